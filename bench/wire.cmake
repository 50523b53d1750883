add_executable(bench_wire ${CMAKE_CURRENT_LIST_DIR}/wire_bench.cpp)
target_link_libraries(bench_wire PRIVATE velmora_wire benchmark::benchmark)
set_target_properties(bench_wire PROPERTIES AUTOMOC OFF)
