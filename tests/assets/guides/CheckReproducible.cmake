# Builds one guide twice, the way the build does, and fails unless both
# documents are byte-identical:
#   cmake -DBUILD_SCRIPT=<BuildGuide.cmake> -DGUIDETOOL=<guidetool> -DCHMCMD=<chmcmd>
#         -DGUIDE_DIR=<guide> -DSCRATCH_DIR=<folder> -P CheckReproducible.cmake
file(REMOVE_RECURSE ${SCRATCH_DIR})
foreach(round first second)
  execute_process(
    COMMAND ${CMAKE_COMMAND}
            -DGUIDETOOL=${GUIDETOOL}
            -DCHMCMD=${CHMCMD}
            -DGUIDE_DIR=${GUIDE_DIR}
            -DWORK_DIR=${SCRATCH_DIR}/${round}/stage
            -DOUTPUT=${SCRATCH_DIR}/${round}/guide.chm
            -P ${BUILD_SCRIPT}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the ${round} build of ${GUIDE_DIR} failed")
  endif()
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files
          ${SCRATCH_DIR}/first/guide.chm ${SCRATCH_DIR}/second/guide.chm
  RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "two builds of ${GUIDE_DIR} gave different documents")
endif()
