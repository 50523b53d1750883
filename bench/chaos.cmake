# Crash and resume at scale: the dedicated server killed with SIGKILL at
# random moments and resumed from its state file (bench/chaos.sh runs it).
add_executable(bench_chaos ${CMAKE_CURRENT_LIST_DIR}/chaos.cpp ${CMAKE_CURRENT_LIST_DIR}/host_peers.cpp)
target_link_libraries(bench_chaos PRIVATE velmora_engine)
set_target_properties(bench_chaos PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
add_dependencies(bench_chaos velmora-server)
