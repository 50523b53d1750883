# Whole simulated games of computer players: games and moves per second.
add_executable(bench_sim ${CMAKE_CURRENT_LIST_DIR}/sim_bench.cpp)
target_link_libraries(bench_sim PRIVATE velmora_engine benchmark::benchmark)
set_target_properties(bench_sim PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
