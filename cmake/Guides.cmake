# The two illness guides (compiled HTML Help documents the program carries)
# and the tip file it ships beside itself, made from resources/guides and
# resources/tips by guidetool and Free Pascal's chmcmd. See
# resources/guides/README.md.

# Free Pascal for Windows installs its tools to C:\FPC\<version>\bin\<target>.
set(quorvane_fpc_bin_dirs "")
if(CMAKE_HOST_WIN32)
  file(GLOB quorvane_fpc_bin_dirs LIST_DIRECTORIES true "C:/FPC/*/bin/*")
endif()
find_program(CHMCMD_EXECUTABLE chmcmd
  HINTS ${quorvane_fpc_bin_dirs}
  DOC "Free Pascal's CHM compiler")
if(NOT CHMCMD_EXECUTABLE)
  message(FATAL_ERROR
    "chmcmd, Free Pascal's CHM compiler, is needed to build the illness guides. "
    "On Debian install the fp-utils package; on Windows it comes with Free Pascal "
    "(C:\\FPC\\<version>\\bin\\<target>\\chmcmd.exe): put that folder on PATH or "
    "configure with -DCHMCMD_EXECUTABLE=<path to chmcmd>.")
endif()

set(QUORVANE_GUIDE_SCRIPT ${PROJECT_SOURCE_DIR}/tools/guidetool/BuildGuide.cmake)

# <source folder under resources/guides> <document written>
set(quorvane_guides
  qelmuebook qelmuEbook.chm
  tkw tkw.chm)

while(quorvane_guides)
  list(POP_FRONT quorvane_guides guide_name guide_output)
  set(guide_dir ${PROJECT_SOURCE_DIR}/resources/guides/${guide_name})
  # Globbed at every build, so a page added later is picked up and a guide
  # that arrives after the first configure is built then.
  file(GLOB guide_sources CONFIGURE_DEPENDS ${guide_dir}/*)
  if(NOT EXISTS ${guide_dir}/guide.txt)
    message(WARNING "resources/guides/${guide_name}/guide.txt is missing; "
                    "${guide_output} is not built")
    continue()
  endif()
  add_custom_command(
    OUTPUT ${QUORVANE_ASSETS_DIR}/${guide_output}
    COMMAND ${CMAKE_COMMAND}
            -DGUIDETOOL=$<TARGET_FILE:guidetool>
            -DCHMCMD=${CHMCMD_EXECUTABLE}
            -DGUIDE_DIR=${guide_dir}
            -DWORK_DIR=${PROJECT_BINARY_DIR}/guide-stage/${guide_name}
            -DOUTPUT=${QUORVANE_ASSETS_DIR}/${guide_output}
            -P ${QUORVANE_GUIDE_SCRIPT}
    DEPENDS ${guide_sources} guidetool ${QUORVANE_GUIDE_SCRIPT}
    COMMENT "Compiling the guide ${guide_output}"
    VERBATIM)
  list(APPEND QUORVANE_ASSET_FILES ${QUORVANE_ASSETS_DIR}/${guide_output})
endwhile()

# The program reads its tip file in the Chinese ANSI code page, one tip per
# line, lines ended by CR LF.
file(GLOB tip_source CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/tips/tipofday.txt)
if(tip_source)
  add_custom_command(
    OUTPUT ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
    COMMAND guidetool text ${tip_source} ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT
    DEPENDS ${tip_source} guidetool
    COMMENT "Converting the tip file to GBK"
    VERBATIM)
  list(APPEND QUORVANE_ASSET_FILES ${QUORVANE_ASSETS_DIR}/TIPOFDAY.TXT)
else()
  message(WARNING "resources/tips/tipofday.txt is missing; TIPOFDAY.TXT is not built")
endif()

unset(quorvane_fpc_bin_dirs)
unset(guide_name)
unset(guide_output)
unset(guide_dir)
unset(guide_sources)
unset(tip_source)
