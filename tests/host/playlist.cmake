korvald_test(playlist_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/playlist_query_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/playlist_fetch_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/playlist_corpus_test.cpp
          ${CMAKE_SOURCE_DIR}/tests/fuzz/playlist_extraction_check.cpp
  LIBRARIES korvald_core)
if(NOT WIN32)
  add_dependencies(playlist_test extract-playlist)
endif()
