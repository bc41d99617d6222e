netvane_add_bench(bench_import GUI SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_import.cpp)
target_include_directories(bench_import PRIVATE ${CMAKE_SOURCE_DIR}/tests)
