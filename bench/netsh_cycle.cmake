# The static -> DHCP -> static cycle through netsh against the same cycle with
# plain nmcli, in a network-namespace sandbox (needs root; run by hand).
if(TARGET netvane_nmsandbox AND TARGET netsh)
  netvane_add_bench(bench_netsh_cycle SOURCES ${CMAKE_CURRENT_LIST_DIR}/netsh_cycle.cpp LIBS netvane_nmsandbox)
  target_compile_definitions(bench_netsh_cycle PRIVATE NETSH_PATH="$<TARGET_FILE:netsh>")
  add_dependencies(bench_netsh_cycle netsh)
endif()
