# The message types (plain C++), shared with the clang fuzz build.
set(VELMORA_PROTOCOL_SOURCES)
foreach(f fields.cpp requests.cpp events.cpp)
  list(APPEND VELMORA_PROTOCOL_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${f})
endforeach()
