# A frame of the table while cards move, at zoom 1 and 2, and an event
# handled while they move.
add_executable(bench_motion ${CMAKE_CURRENT_LIST_DIR}/motion_bench.cpp)
target_link_libraries(bench_motion PRIVATE velmora_client velmora_widget_bench_main benchmark::benchmark)
