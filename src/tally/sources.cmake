# The store's sources, shared with the sanitizer and fuzzer builds of the tests.
set(VELMORA_TALLY_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/lzr_engine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lzr_expand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lzrw1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lzrw1_blocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lzrw1_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lzrw1_errors.cpp
)
