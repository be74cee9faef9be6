korvald_test(playlist_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/playlist_query_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/playlist_fetch_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/playlist_corpus_test.cpp
          ${CMAKE_SOURCE_DIR}/tests/fuzz/playlist_extraction_check.cpp
  LIBRARIES korvald_core)
if(NOT WIN32)
  # The table is also run through the extract-playlist tool.
  add_dependencies(playlist_test extract-playlist)
  # The demo service's sample reply through the extract-playlist tool.
  add_test(NAME playlist_demo_service_test
    COMMAND ${CMAKE_SOURCE_DIR}/tests/fixtures/check-demo-service
            ${CMAKE_SOURCE_DIR}/tools/demo-playlist-service $<TARGET_FILE:extract-playlist>)
endif()
