# Cross build for 32-bit Windows, the shipped build.
set(korvald_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
