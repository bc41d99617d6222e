# The empty main window bench/startup.sh times beside Netvane.
add_executable(bench_empty_window ${CMAKE_CURRENT_LIST_DIR}/empty_window.cpp)
target_link_libraries(bench_empty_window PRIVATE Qt6::Widgets)
