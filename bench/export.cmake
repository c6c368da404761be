# Dumping eight tables as S-records and as block memory maps; goal 50 ms.
tarvo_add_bench(bench_export ${CMAKE_CURRENT_LIST_DIR}/export_bench.cpp)
