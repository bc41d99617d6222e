# The main window's steps over 1,000 / 10,000 / 100,000 IP sets, so the growth shows.
netvane_add_bench(bench_scale SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_scale.cpp LIBS netvane_gui)
target_include_directories(bench_scale PRIVATE ${CMAKE_SOURCE_DIR}/tests)
netvane_use_fake_netsh(bench_scale)
