# The expert computer player's time per decision over whole seeded games.
add_executable(bench_expert ${CMAKE_CURRENT_LIST_DIR}/expert_bench.cpp)
target_link_libraries(bench_expert PRIVATE velmora_engine)
set_target_properties(bench_expert PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
