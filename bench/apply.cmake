# A whole apply through the IP set manager with a slow fake netsh: event-loop stalls and overhead.
netvane_add_bench(bench_apply GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_apply.cpp)
target_include_directories(bench_apply PRIVATE ${CMAKE_SOURCE_DIR}/tests)
netvane_use_fake_netsh(bench_apply)
