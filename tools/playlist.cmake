# Developer tool: the rows a saved playlist reply gives (host build only).
if(NOT WIN32)
  add_executable(extract-playlist ${CMAKE_CURRENT_LIST_DIR}/extract_playlist.cpp)
  target_link_libraries(extract-playlist PRIVATE korvald_core)
endif()
