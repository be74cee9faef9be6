# Cross build with mingw-w64 for the processor named by korvald_mingw_arch (set by the including file).
# Always the -posix compilers: header-only Boost.Regex does not link with the win32 thread model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${korvald_mingw_arch})
set(CMAKE_C_COMPILER   ${korvald_mingw_arch}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${korvald_mingw_arch}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  ${korvald_mingw_arch}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${korvald_mingw_arch}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
