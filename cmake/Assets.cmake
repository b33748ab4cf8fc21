# Files the program carries inside Quorvane.exe or ships beside it, all made at
# build time from sources in resources/ by the host tools in tools/.
# Each included file appends its outputs to QUORVANE_ASSET_FILES.
set(QUORVANE_ASSET_FILES "")
foreach(part Icons Guides)
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${part}.cmake)
    include(${CMAKE_CURRENT_LIST_DIR}/${part}.cmake)
  endif()
endforeach()
add_custom_target(quorvane_assets ALL DEPENDS ${QUORVANE_ASSET_FILES})
