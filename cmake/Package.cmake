# The files a patient downloads, made beside the program in package/: the
# installer (NSIS) and the zip for those who do not install, both by
# packaging/make-package.sh. They are never signed, so the tests check the
# very bytes every build of these sources gives. The target quorvane_release
# makes them again in release/, signed when a certificate is given (see
# packaging/sign.sh); scripts/package.sh copies one or the other to dist/.
find_program(MAKENSIS_EXECUTABLE makensis DOC "NSIS compiler, for the installer")
find_package(Python3 COMPONENTS Interpreter)
if(NOT MAKENSIS_EXECUTABLE OR NOT Python3_Interpreter_FOUND)
  message(STATUS "makensis or Python 3 not found: no installer and no zip")
  return()
endif()

set(QUORVANE_PUBLISHER "the Quorvane authors" CACHE STRING
    "Publisher named in the installer and in the list of installed programs")
set(QUORVANE_ABOUT_URL "http://www.quorvane.invalid" CACHE STRING
    "Address of the program's home page, in the list of installed programs and the signature")
set(QUORVANE_TIMESTAMP_URL "http://timestamp.digicert.com" CACHE STRING
    "RFC 3161 time-stamp server for signed releases; empty for none")

set(QUORVANE_RELEASE "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(QUORVANE_PACKAGE_DIR ${PROJECT_BINARY_DIR}/package)
set(QUORVANE_SETUP ${QUORVANE_PACKAGE_DIR}/Quorvane-${QUORVANE_RELEASE}-setup.exe)
set(QUORVANE_ZIP ${QUORVANE_PACKAGE_DIR}/Quorvane-${QUORVANE_RELEASE}-win64.zip)
set(QUORVANE_UNINSTALLER ${QUORVANE_PACKAGE_DIR}/stage/Uninstall.exe)
set(quorvane_packaging ${PROJECT_SOURCE_DIR}/packaging)
# make-package.sh's arguments after the output folder.
set(QUORVANE_PACKAGE_INPUTS $<TARGET_FILE:Quorvane> ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
    ${QUORVANE_ASSETS_DIR}/app.ico ${QUORVANE_RELEASE} ${QUORVANE_PUBLISHER} ${QUORVANE_ABOUT_URL}
    "${QUORVANE_TIMESTAMP_URL}")
file(GLOB quorvane_packaging_files CONFIGURE_DEPENDS ${quorvane_packaging}/*)

add_custom_command(
  OUTPUT ${QUORVANE_SETUP} ${QUORVANE_ZIP} ${QUORVANE_UNINSTALLER}
  COMMAND ${CMAKE_COMMAND} -E env --unset=QUORVANE_SIGN_PFX
          ${quorvane_packaging}/make-package.sh ${QUORVANE_PACKAGE_DIR} ${QUORVANE_PACKAGE_INPUTS}
  DEPENDS Quorvane ${quorvane_packaging_files} ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
          ${QUORVANE_ASSETS_DIR}/app.ico
  COMMENT "Making the installer and the zip"
  VERBATIM)
add_custom_target(quorvane_package ALL DEPENDS ${QUORVANE_SETUP} ${QUORVANE_ZIP})

add_custom_target(quorvane_release
  COMMAND ${quorvane_packaging}/make-package.sh ${PROJECT_BINARY_DIR}/release ${QUORVANE_PACKAGE_INPUTS}
  DEPENDS Quorvane
  COMMENT "Making the installer and the zip for a release"
  VERBATIM)
