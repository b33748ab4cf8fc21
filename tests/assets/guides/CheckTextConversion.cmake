# Converts a UTF-8 text with guidetool and compares the result with the
# expected GBK bytes:
#   cmake -DGUIDETOOL=<guidetool> -DINPUT=<text> -DEXPECTED=<file> -DOUTPUT=<file>
#         -P CheckTextConversion.cmake
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${GUIDETOOL} text ${INPUT} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "guidetool text failed on ${INPUT}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}")
endif()
