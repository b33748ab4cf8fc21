# The files a patient downloads, made beside the program in package/: the
# installer (NSIS) and the zip for those who do not install.
# scripts/package.sh copies them to dist/ with their checksums.
find_program(MAKENSIS_EXECUTABLE makensis DOC "NSIS compiler, for the installer")
find_package(Python3 COMPONENTS Interpreter)
if(NOT MAKENSIS_EXECUTABLE OR NOT Python3_Interpreter_FOUND)
  message(STATUS "makensis or Python 3 not found: no installer and no zip")
  return()
endif()

set(QUORVANE_RELEASE "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(QUORVANE_PACKAGE_DIR ${PROJECT_BINARY_DIR}/package)
set(QUORVANE_SETUP ${QUORVANE_PACKAGE_DIR}/Quorvane-${QUORVANE_RELEASE}-setup.exe)
set(QUORVANE_ZIP ${QUORVANE_PACKAGE_DIR}/Quorvane-${QUORVANE_RELEASE}-win64.zip)
set(quorvane_packaging ${PROJECT_SOURCE_DIR}/packaging)

add_custom_command(
  OUTPUT ${QUORVANE_SETUP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVANE_PACKAGE_DIR}
  COMMAND ${MAKENSIS_EXECUTABLE} -V2 -WX
          -DVERSION=${QUORVANE_RELEASE}
          -DPROGRAM=$<TARGET_FILE:Quorvane>
          -DTIPS=${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
          -DICON=${QUORVANE_ASSETS_DIR}/app.ico
          -DOUTFILE=${QUORVANE_SETUP}
          ${quorvane_packaging}/quorvane.nsi
  DEPENDS Quorvane ${quorvane_packaging}/quorvane.nsi ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
  COMMENT "Making the installer"
  VERBATIM)
add_custom_command(
  OUTPUT ${QUORVANE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVANE_PACKAGE_DIR}
  COMMAND ${Python3_EXECUTABLE} ${quorvane_packaging}/make_zip.py ${QUORVANE_ZIP}
          $<TARGET_FILE:Quorvane> ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT ${quorvane_packaging}/zip-readme.txt
  DEPENDS Quorvane ${quorvane_packaging}/make_zip.py ${quorvane_packaging}/zip-readme.txt
          ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
  COMMENT "Making the zip"
  VERBATIM)
add_custom_target(quorvane_package ALL DEPENDS ${QUORVANE_SETUP} ${QUORVANE_ZIP})
