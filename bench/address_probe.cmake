# The look for another device on an address before a change, and the netsh change
# after it, in a network-namespace sandbox (needs root; run by hand).
if(TARGET netvane_nmsandbox AND TARGET netsh)
  netvane_add_bench(bench_address_probe SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_address_probe.cpp LIBS netvane_nmsandbox)
  target_compile_definitions(bench_address_probe PRIVATE NETSH_PATH="$<TARGET_FILE:netsh>")
  add_dependencies(bench_address_probe netsh)
endif()
