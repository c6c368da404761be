# The whole download command through ser2net on loopback (RFC 2217) with the
# line speed remembered, against the line time of every frame it exchanged
# (goal at most 1.10).
tarvo_add_bench(bench_network_download ${CMAKE_CURRENT_LIST_DIR}/network_download_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_bench_support.cpp)
add_dependencies(bench_network_download tarvo tarvo-kbdsim tarvo_templates)
