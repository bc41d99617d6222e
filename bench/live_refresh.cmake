# Refresh latency after an address change in a namespace, and idle CPU of the live refresh.
if(NOT WIN32)
  netvane_add_bench(bench_live_refresh SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_live_refresh.cpp
                    ${CMAKE_SOURCE_DIR}/tests/adapters/NetNamespace_linux.cpp)
  target_link_libraries(bench_live_refresh PRIVATE netvane_gui)
  target_include_directories(bench_live_refresh PRIVATE ${CMAKE_SOURCE_DIR}/tests/adapters ${CMAKE_SOURCE_DIR}/tests)
endif()
