# The client's table model (plain C++), shared with the clang fuzz build.
set(VELMORA_TABLEMODEL_SOURCES)
foreach(f tablemodel.cpp tablehand.cpp tableevents.cpp actions.cpp seating.cpp)
  list(APPEND VELMORA_TABLEMODEL_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${f})
endforeach()
