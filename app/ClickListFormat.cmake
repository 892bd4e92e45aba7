# The portable part of the clicker: click items and the list file's format.
# No windows.h, so the host tests (under ASan and UBSan) and the fuzzers build
# it too; each build that needs it includes this file.
if(NOT TARGET tapvane_click_list_format)
  add_library(tapvane_click_list_format STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ClickItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClickListFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SplitText.cpp)
  target_include_directories(tapvane_click_list_format PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tapvane_click_list_format PUBLIC tapvane_toolkit_core)
endif()
