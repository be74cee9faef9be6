# `cmake --build --preset win32 --target release`: dist/Korvald-VERSION-win32.zip holding the
# stripped Korvald.exe (the only file a user needs), the README and the licence; prints its SHA-256.
find_program(KORVALD_STRIP NAMES ${CMAKE_CXX_COMPILER_TARGET}-strip i686-w64-mingw32-strip REQUIRED)
find_program(KORVALD_ZIP zip REQUIRED)
set(korvald_dist_dir ${CMAKE_SOURCE_DIR}/dist)
set(korvald_zip ${korvald_dist_dir}/Korvald-${PROJECT_VERSION}-win32.zip)
set(korvald_stage ${CMAKE_BINARY_DIR}/release)
add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${korvald_stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${korvald_stage} ${korvald_dist_dir}
  COMMAND ${KORVALD_STRIP} -o ${korvald_stage}/Korvald.exe $<TARGET_FILE:Korvald>
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE ${korvald_stage}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${korvald_zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${korvald_stage} ${KORVALD_ZIP} -q -X ${korvald_zip} Korvald.exe README.md LICENSE
  COMMAND sha256sum ${korvald_zip}
  DEPENDS Korvald
  VERBATIM)
