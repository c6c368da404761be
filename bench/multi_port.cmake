# The same one-slot download to one simulated keyboard and to eight at once
# (goal: eight take at most 1.1 times as long as one).
tarvo_add_bench(bench_multi_port ${CMAKE_CURRENT_LIST_DIR}/multi_port_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_bench_support.cpp)
add_dependencies(bench_multi_port tarvo tarvo-kbdsim tarvo_templates)
