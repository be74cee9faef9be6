# The skin set-up against a real temporary folder and the real engine module under Wine.
# The module travels beside the test as a .bin copy, out of reach of the library search.
add_library(skin_setup_module SHARED ${CMAKE_CURRENT_LIST_DIR}/skin_setup_module.cpp)
set_target_properties(skin_setup_module PROPERTIES PREFIX "")
korvald_test(skin_setup_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_setup_win_test.cpp
  LIBRARIES korvald_win)
add_dependencies(skin_setup_win_test SkinH_EL skin_setup_module)
add_custom_command(TARGET skin_setup_win_test POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:SkinH_EL> $<TARGET_FILE_DIR:skin_setup_win_test>/skin_engine.bin
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:skin_setup_module> $<TARGET_FILE_DIR:skin_setup_win_test>/no_entry_points.bin)

# The whole start-up of the real program, from fresh folders; the script prepares a folder that
# cannot be written and names the program.
add_executable(skin_startup_test ${CMAKE_CURRENT_LIST_DIR}/skin_startup_test.cpp)
target_link_libraries(skin_startup_test PRIVATE korvald_win psapi korvald_gtest)
add_dependencies(skin_startup_test Korvald)
add_test(NAME skin_startup_test
  COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
          bash ${CMAKE_CURRENT_LIST_DIR}/skin_startup.sh $<TARGET_FILE:Korvald> $<TARGET_FILE:skin_startup_test>)
set_tests_properties(skin_startup_test PROPERTIES TIMEOUT 180)
