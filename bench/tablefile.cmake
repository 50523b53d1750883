# The autosave after every turn: the table's text and its write through a
# temporary file and a rename (goal: under 1 ms a turn).
add_executable(bench_tablefile ${CMAKE_CURRENT_LIST_DIR}/tablefile_bench.cpp)
target_link_libraries(bench_tablefile PRIVATE velmora_host benchmark::benchmark)
set_target_properties(bench_tablefile PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
