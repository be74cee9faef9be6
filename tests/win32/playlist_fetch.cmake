# fetchUrlBytes and the whole query under Wine, against the scripted test server.
add_executable(playlist_fetch_test ${CMAKE_CURRENT_LIST_DIR}/fetch_test.cpp)
target_link_libraries(playlist_fetch_test PRIVATE korvald_win korvald_gtest)
set(korvald_with_server ${CMAKE_SOURCE_DIR}/tests/fixtures/with-playlist-server)
add_test(NAME playlist_fetch_test
  COMMAND ${korvald_with_server} -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:playlist_fetch_test>
          --gtest_filter=FetchTest.*)
add_test(NAME playlist_query_through_proxy_test
  COMMAND ${korvald_with_server} --proxy -- ${CMAKE_CROSSCOMPILING_EMULATOR}
          $<TARGET_FILE:playlist_fetch_test> --gtest_filter=QueryThroughProxyTest.*)
