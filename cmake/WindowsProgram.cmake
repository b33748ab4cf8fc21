# Quorvane.exe: the portable library, the Win32 layer and the resources.
enable_language(RC)

add_executable(Quorvane WIN32 ${quorvane_win_sources} ${PROJECT_SOURCE_DIR}/resources/quorvane.rc)
add_dependencies(Quorvane quorvane_assets)
target_link_libraries(Quorvane PRIVATE quorvane_core comctl32 shell32 user32 gdi32 advapi32)
# The tip file's signature is checked against the key the build made
# tips_public_key.h from.
target_include_directories(Quorvane PRIVATE ${QUORVANE_TIPS_PUBLIC_KEY_HEADER_DIR})
target_compile_definitions(quorvane_core PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0A00 WINVER=0x0A00)
# The resource script finds the generated icons and guides in the assets
# folder, and the manifest beside itself.
set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/quorvane.rc APPEND PROPERTY INCLUDE_DIRECTORIES
             ${QUORVANE_ASSETS_DIR} ${PROJECT_SOURCE_DIR}/resources)
set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/quorvane.rc APPEND PROPERTY OBJECT_DEPENDS
             ${PROJECT_SOURCE_DIR}/resources/quorvane.manifest
             ${PROJECT_SOURCE_DIR}/resources/selfcheck/mg-adl.txt
             ${QUORVANE_ASSETS_DIR}/icons.rc
             ${QUORVANE_ASSETS_DIR}/tkw.chm
             ${QUORVANE_ASSETS_DIR}/qelmuEbook.chm)

if(MSVC)
  # The resource script carries the one manifest.
  target_link_options(Quorvane PRIVATE /MANIFEST:NO)
else()
  # A release build ships without symbols (about a third of the size). No
  # link time in the header: the same sources give the same bytes. Sections
  # start on a page in the file too, so that Wine maps the program from the
  # file as Windows does instead of copying its 0.9 MB into private memory.
  target_link_options(Quorvane PRIVATE -municode -mwindows -static -static-libgcc -static-libstdc++
                      -Wl,--no-insert-timestamp -Wl,--file-alignment,0x1000 $<$<CONFIG:Release,MinSizeRel>:-s>)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

# The shipped tip file goes beside the program.
add_custom_command(TARGET Quorvane POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
          $<TARGET_FILE_DIR:Quorvane>/TIPOFDAY.TXT)

include(${PROJECT_SOURCE_DIR}/cmake/Package.cmake)
