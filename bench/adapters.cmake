# The adapter snapshot over 200 veth adapters in a namespace, against `ip -j addr show`.
if(NOT WIN32)
  netvane_add_bench(bench_adapters SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_adapters.cpp
                    ${CMAKE_SOURCE_DIR}/tests/adapters/NetNamespace_linux.cpp)
  target_include_directories(bench_adapters PRIVATE ${CMAKE_SOURCE_DIR}/tests/adapters)
endif()
