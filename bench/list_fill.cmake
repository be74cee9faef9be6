# The song list fill under Wine: bench_list_fill prints its figures (run it with cmake/wine-run).
if(WIN32)
  add_executable(bench_list_fill ${CMAKE_CURRENT_LIST_DIR}/list_fill.cpp)
  target_link_libraries(bench_list_fill PRIVATE korvald_win)
  target_include_directories(bench_list_fill PRIVATE ${CMAKE_SOURCE_DIR})
endif()
