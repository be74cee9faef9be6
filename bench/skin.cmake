# Skin blob decoding and parsing (host build). Run: <build>/bench/skin_bench
if(NOT WIN32)
  find_package(benchmark REQUIRED)
  add_executable(skin_bench ${CMAKE_CURRENT_LIST_DIR}/skin_bench.cpp)
  target_link_libraries(skin_bench PRIVATE skin_format benchmark::benchmark)
  target_compile_definitions(skin_bench PRIVATE KORVALD_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                             KORVALD_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_dependencies(skin_bench korvald_skins)
endif()
