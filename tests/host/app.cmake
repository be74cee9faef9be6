# The main window's layout arithmetic and its icon file.
korvald_test(app_layout_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/app_layout_test.cpp LIBRARIES korvald_core)
