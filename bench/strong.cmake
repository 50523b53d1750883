# One decision of the strong computer player, on hard positions.
add_executable(bench_strong ${CMAKE_CURRENT_LIST_DIR}/strong_bench.cpp)
target_link_libraries(bench_strong PRIVATE velmora_engine benchmark::benchmark)
set_target_properties(bench_strong PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
