# Cross build for 64-bit Windows: runs the Win32 tests where the machine cannot execute 32-bit code.
set(korvald_mingw_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
