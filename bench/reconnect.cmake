# From the network coming back to the seat restored (real window, real host,
# a proxy between them).
add_executable(bench_reconnect ${CMAKE_CURRENT_LIST_DIR}/reconnect_bench.cpp)
target_include_directories(bench_reconnect PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_reconnect PRIVATE velmora_app velmora_widget_bench_main benchmark::benchmark)
