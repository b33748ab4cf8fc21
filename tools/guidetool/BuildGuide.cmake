# Compiles one illness guide into a .chm document:
#   cmake -DGUIDETOOL=<guidetool> -DCHMCMD=<chmcmd> -DGUIDE_DIR=<resources/guides/x>
#         -DWORK_DIR=<scratch folder> -DOUTPUT=<x.chm> -P BuildGuide.cmake
# The build and the reproducibility test both run this script, so they make
# the document the same way.
foreach(var GUIDETOOL CHMCMD GUIDE_DIR WORK_DIR OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "BuildGuide.cmake needs -D${var}=...")
  endif()
endforeach()

function(run_step what)
  execute_process(COMMAND ${ARGN}
                  WORKING_DIRECTORY ${WORK_DIR}
                  RESULT_VARIABLE result
                  OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}) for ${GUIDE_DIR}:\n${output}")
  endif()
endfunction()

# The stage folder is rebuilt from nothing, so a page removed from the
# sources cannot linger in the document.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
run_step("staging" ${GUIDETOOL} stage ${GUIDE_DIR} ${WORK_DIR})
# Every page is listed in the project, so chmcmd need not scan the pages for
# more. It can crash and still leave an empty document, hence the size check.
run_step("chmcmd" ${CHMCMD} --no-html-scan guide.hhp)
if(EXISTS ${WORK_DIR}/guide.chm)
  file(SIZE ${WORK_DIR}/guide.chm compiled_size)
endif()
if(NOT compiled_size)
  message(FATAL_ERROR "chmcmd wrote an empty document for ${GUIDE_DIR}")
endif()
run_step("finishing" ${GUIDETOOL} finish ${GUIDE_DIR} ${WORK_DIR}/guide.chm ${OUTPUT})
