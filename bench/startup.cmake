# Start-up against an empty Qt window: bench/startup.sh runs both through the
# probe under Xvfb.
add_executable(bench_emptywindow ${CMAKE_CURRENT_LIST_DIR}/emptywindow.cpp)
target_link_libraries(bench_emptywindow PRIVATE Qt6::Widgets)
find_package(X11 REQUIRED)
add_executable(bench_startprobe ${CMAKE_CURRENT_LIST_DIR}/startprobe.cpp)
target_link_libraries(bench_startprobe PRIVATE X11::X11)
