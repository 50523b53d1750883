# The plain C++ wire sources, shared with the clang fuzz build.
set(VELMORA_WIRE_SOURCES)
foreach(f wire.cpp inbox.cpp dispatcher.cpp diagnostics.cpp announcement.cpp)
  list(APPEND VELMORA_WIRE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${f})
endforeach()
