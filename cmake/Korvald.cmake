# Build settings shared by every target: warnings, platform definitions, Boost, GoogleTest,
# and the helper that registers a test binary.

if(WIN32)
  # The i686 build must use SSE2 doubles: x87 extended precision truncates frame edges differently.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Header-only Boost.Regex from the system, without putting /usr/include on the mingw path.
  set(korvald_boost_dir ${CMAKE_BINARY_DIR}/boost-include)
  file(MAKE_DIRECTORY ${korvald_boost_dir})
  if(NOT EXISTS ${korvald_boost_dir}/boost)
    file(CREATE_LINK /usr/include/boost ${korvald_boost_dir}/boost SYMBOLIC)
  endif()
  # Every Windows test binary runs under Wine, one prefix per build tree.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
      ${CMAKE_SOURCE_DIR}/cmake/wine-run)
endif()

add_library(korvald_boost INTERFACE)
if(WIN32)
  target_include_directories(korvald_boost SYSTEM INTERFACE ${korvald_boost_dir})
endif()

# GoogleTest: the packaged static library natively, built from its sources for Windows.
if(WIN32)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  add_library(korvald_gtest INTERFACE)
  target_link_libraries(korvald_gtest INTERFACE gtest gtest_main gmock)
else()
  find_package(GTest REQUIRED)
  add_library(korvald_gtest INTERFACE)
  target_link_libraries(korvald_gtest INTERFACE GTest::gtest GTest::gtest_main GTest::gmock)
endif()

if(KORVALD_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings are errors in our own code (after GoogleTest, whose sources are not ours).
add_compile_options(-Wall -Wextra -Wshadow -Wimplicit-fallthrough -Wformat=2 -Wundef -Werror)

# korvald_test(NAME SOURCES src... [LIBRARIES lib...] [ARGS arg...] [LABELS label...])
# One GoogleTest binary, run as one whole process (one Wine start per binary).
function(korvald_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES;ARGS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} korvald_gtest)
  target_compile_definitions(${name} PRIVATE
    KORVALD_SOURCE_DIR="${CMAKE_SOURCE_DIR}" KORVALD_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
