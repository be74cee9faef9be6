# The reveal animation's geometry and the random generator.
korvald_test(random_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/random_test.cpp LIBRARIES korvald_core)
korvald_test(reveal_frames_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/reveal_frames_test.cpp
  LIBRARIES korvald_core)
