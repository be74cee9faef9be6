# The skin set-up's rules against an in-memory folder and a recording engine.
korvald_test(skin_setup_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_setup_test.cpp LIBRARIES korvald_core)
