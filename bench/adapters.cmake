# The adapter snapshot over 200 veth adapters in a namespace, against `ip -j addr show`.
if(NOT WIN32)
  netvane_add_bench(bench_adapters SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_adapters.cpp)
endif()
