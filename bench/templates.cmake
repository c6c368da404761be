# Parsing the shipped template into new tables, as File New does; goal 20 ms
# for a template of ten tables.
tarvo_add_bench(bench_templates ${CMAKE_CURRENT_LIST_DIR}/templates_bench.cpp)
