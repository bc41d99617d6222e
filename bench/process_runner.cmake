# The process runner against the fake netsh: longest gap between pump calls, and the overhead over the fixed pauses.
netvane_add_bench(bench_process_runner SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_process_runner.cpp)
netvane_use_fake_netsh(bench_process_runner)
