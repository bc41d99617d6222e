netvane_add_bench(bench_ipset_tree GUI SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_ipset_tree.cpp)
target_include_directories(bench_ipset_tree PRIVATE ${CMAKE_SOURCE_DIR}/tests)
