# The program's icons: icongen turns the pixel-art sources in resources/icons
# into icons.rc (the fragment resources/quorvane.rc includes), the group and
# image resources it names, and app.ico / tip.ico, all in QUORVANE_ASSETS_DIR.
set(icon_sources
  ${PROJECT_SOURCE_DIR}/resources/icons/app.icon
  ${PROJECT_SOURCE_DIR}/resources/icons/tip.icon)

# The output names follow from the "icon" and "image" lines of each source;
# reading them here keeps the sources the only list of sizes.
set(QUORVANE_ICON_FILES ${QUORVANE_ASSETS_DIR}/icons.rc)
foreach(source ${icon_sources})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(STRINGS ${source} icon_line REGEX "^icon ")
  string(REGEX REPLACE "^icon +([^ ]+).*" "\\1" icon_name "${icon_line}")
  list(APPEND QUORVANE_ICON_FILES
       ${QUORVANE_ASSETS_DIR}/${icon_name}.icogrp
       ${QUORVANE_ASSETS_DIR}/${icon_name}.ico)
  file(STRINGS ${source} image_lines REGEX "^image ")
  foreach(image_line ${image_lines})
    string(REGEX REPLACE "^image +([0-9]+).*" "\\1" image_size "${image_line}")
    list(APPEND QUORVANE_ICON_FILES ${QUORVANE_ASSETS_DIR}/${icon_name}-${image_size}.icoimg)
  endforeach()
endforeach()

add_custom_command(
  OUTPUT ${QUORVANE_ICON_FILES}
  COMMAND icongen ${QUORVANE_ASSETS_DIR} ${icon_sources}
  DEPENDS icongen ${icon_sources}
  COMMENT "Making the icons"
  VERBATIM)

list(APPEND QUORVANE_ASSET_FILES ${QUORVANE_ICON_FILES})
