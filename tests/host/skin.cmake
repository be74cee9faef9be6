korvald_test(skin_format_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_format_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/skin_corpus_test.cpp
          ${CMAKE_SOURCE_DIR}/tests/fuzz/skin_check.cpp
  LIBRARIES skin_format)
add_dependencies(skin_format_test korvald_skins)

# The packer's blobs, decoded by Python's own LZMA: each unpacks to the length its header states.
if(NOT WIN32)
  set(skin_blobs)
  foreach(number RANGE 1 33)
    list(APPEND skin_blobs ${CMAKE_BINARY_DIR}/skins/${number}.she)
  endforeach()
  add_test(NAME skin_pack_check COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tools/pack-skin --check ${skin_blobs})
endif()
