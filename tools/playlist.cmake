# Developer tools of the playlist query.
if(WIN32)
  # The real query (WinINet fetch and extraction) for one account, rows on standard output.
  add_executable(extract-playlist-query ${CMAKE_CURRENT_LIST_DIR}/extract_playlist_query_win.cpp)
  target_link_libraries(extract-playlist-query PRIVATE korvald_win)
else()
  # The rows a saved reply gives.
  add_executable(extract-playlist ${CMAKE_CURRENT_LIST_DIR}/extract_playlist.cpp)
  target_link_libraries(extract-playlist PRIVATE korvald_core)
endif()
