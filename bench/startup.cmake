# The empty main window bench/startup.sh times beside Netvane.
add_executable(bench_empty_window ${CMAKE_CURRENT_LIST_DIR}/empty_window.cpp)
target_link_libraries(bench_empty_window PRIVATE Qt6::Widgets)

# Watches a window from outside for bench/startup.sh: shown, settled, resident memory.
find_package(X11 QUIET)
if(X11_FOUND)
  add_executable(bench_window_probe ${CMAKE_CURRENT_LIST_DIR}/window_probe.cpp)
  target_link_libraries(bench_window_probe PRIVATE X11::X11)
endif()
