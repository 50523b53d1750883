# The headless host as a separate process under load, over loopback only:
# chat delivery latency to eight players and a bounded reconnect flood.
add_executable(bench_host ${CMAKE_CURRENT_LIST_DIR}/host_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/host_peers.cpp)
find_package(Threads REQUIRED)
target_link_libraries(bench_host PRIVATE benchmark::benchmark Threads::Threads)
target_compile_definitions(bench_host PRIVATE VELMORA_PROGRAM="$<TARGET_FILE:velmora>")
set_target_properties(bench_host PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
add_dependencies(bench_host velmora)
