# Start-up of the real Korvald.exe under Wine, first starts and later starts. Run:
#   WINEPREFIX=<build>/wineprefix cmake/wine-run <build>/bench/bench_startup.exe [starts]
if(WIN32)
  add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/startup.cpp)
  target_link_libraries(bench_startup PRIVATE korvald_win psapi)
  add_dependencies(bench_startup Korvald)
endif()
