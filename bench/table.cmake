# Handling a game event in the table state and painting the board again.
add_executable(bench_table ${CMAKE_CURRENT_LIST_DIR}/table_bench.cpp)
target_link_libraries(bench_table PRIVATE velmora_client velmora_widget_bench_main benchmark::benchmark)
