# Drawing all of the game's pictures at ratio 1 and 2.
add_executable(bench_art ${CMAKE_CURRENT_LIST_DIR}/art_bench.cpp)
target_link_libraries(bench_art PRIVATE velmora_client velmora_widget_bench_main benchmark::benchmark)
