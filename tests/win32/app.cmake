# The main window, its keyboard rules and the entry actions, on live windows under Wine.
korvald_test(app_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/app_window_test.cpp ${CMAKE_CURRENT_LIST_DIR}/app_entry_actions_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/app_test.rc
  LIBRARIES korvald_win)
target_include_directories(app_test PRIVATE ${CMAKE_SOURCE_DIR})
