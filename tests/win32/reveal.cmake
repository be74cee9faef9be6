# The reveal animation on a real window under Wine.
korvald_test(reveal_animation_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/reveal_animation_test.cpp
  LIBRARIES korvald_win ntdll)
