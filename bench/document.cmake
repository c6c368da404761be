# Opening and saving a document of 13 full tables (about 850 KB); goal 10 ms.
tarvo_add_bench(bench_document ${CMAKE_CURRENT_LIST_DIR}/document_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/full_tables.cpp)
# The editor offscreen: a 13-table document opened to its drawn tree (goal
# under 50 ms), another script menu selected to its drawn form (under 30 ms),
# and the resident memory with 16 such documents open (under 150 MB).
tarvo_add_bench(bench_editor ${CMAKE_CURRENT_LIST_DIR}/editor_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/full_tables.cpp)
target_link_libraries(bench_editor PRIVATE tarvo_app)
add_dependencies(bench_editor tarvo_templates)
