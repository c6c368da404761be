# Opening and saving a document of 13 full tables (about 850 KB); goal 10 ms.
tarvo_add_bench(bench_document ${CMAKE_CURRENT_LIST_DIR}/document_bench.cpp)
