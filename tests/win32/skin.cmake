# The skin engine module under Wine, on a window built like Korvald's.
korvald_test(skin_engine_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_engine_test.cpp ${CMAKE_CURRENT_LIST_DIR}/skin_test.rc
  LIBRARIES skin_format comctl32 gdi32 user32)
target_include_directories(skin_engine_test PRIVATE ${CMAKE_SOURCE_DIR})
add_dependencies(skin_engine_test SkinH_EL korvald_skins)

# The module's export table: exactly the two undecorated names.
add_test(NAME skin_engine_exports
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/skin-exports ${CMAKE_OBJDUMP} $<TARGET_FILE:SkinH_EL>)

# Not a test: shows one skin on the test window, for screenshots and the contact sheet.
add_executable(skin_preview WIN32 ${CMAKE_CURRENT_LIST_DIR}/skin_preview.cpp ${CMAKE_CURRENT_LIST_DIR}/skin_test.rc)
target_include_directories(skin_preview PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(skin_preview PRIVATE KORVALD_BINARY_DIR="${CMAKE_BINARY_DIR}")
target_link_libraries(skin_preview PRIVATE comctl32 gdi32 user32)
add_dependencies(skin_preview SkinH_EL korvald_skins)
