# Copies the sample guide and adds numbered pages to it, so that its
# compiled directory spans several chunks:
#   cmake -DSAMPLE_DIR=<guide> -DOUTPUT_DIR=<folder> -DEXTRA_PAGES=<count> -P MakeLargeSample.cmake
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(COPY ${SAMPLE_DIR}/ DESTINATION ${OUTPUT_DIR})
file(READ ${SAMPLE_DIR}/care.htm page)
foreach(number RANGE 1 ${EXTRA_PAGES})
  string(REPLACE "日常照护" "附页 ${number}" extra_page "${page}")
  file(WRITE ${OUTPUT_DIR}/extra-page-${number}.htm "${extra_page}")
endforeach()
