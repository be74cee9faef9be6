# Playlist extraction and query benchmarks (host build). Run: <build>/bench/playlist_bench
if(NOT WIN32)
  find_package(benchmark REQUIRED)
  add_executable(playlist_bench ${CMAKE_CURRENT_LIST_DIR}/playlist_bench.cpp)
  target_link_libraries(playlist_bench PRIVATE korvald_core benchmark::benchmark)
  # The benchmark counts heap bytes with its own malloc-based operator new and delete, which
  # GCC takes for a mismatched pair once they are inlined.
  target_compile_options(playlist_bench PRIVATE -Wno-mismatched-new-delete)
endif()
