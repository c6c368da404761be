# A full slot write to the simulated keyboard with wire-time pacing at 57600
# baud: the client's time against the line's own time.
tarvo_add_bench(bench_sim ${CMAKE_CURRENT_LIST_DIR}/sim_bench.cpp)
target_link_libraries(bench_sim PRIVATE tarvo_sim_lib)
add_dependencies(bench_sim tarvo-kbdsim)
