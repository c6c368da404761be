# One-slot import and download through the built tarvo against the simulated
# keyboard with wire-time pacing, at 57600 and 19200 baud: the image and write
# phases against the line's own time (goal at most 1.05), and each command's
# whole time.
foreach(kind import download)
  tarvo_add_bench(bench_${kind} ${CMAKE_CURRENT_LIST_DIR}/${kind}_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/transfer_bench_support.cpp)
  add_dependencies(bench_${kind} tarvo tarvo-kbdsim tarvo_templates)
endforeach()
# The whole download command with the line speed remembered, against the
# line time of every frame it exchanged (goal at most 1.10).
tarvo_add_bench(bench_download_command ${CMAKE_CURRENT_LIST_DIR}/download_command_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_bench_support.cpp)
add_dependencies(bench_download_command tarvo tarvo-kbdsim tarvo_templates)
# The editor's Download dialogs offscreen: how long the event loop is ever
# held during a download, and how soon Cancel asks its question (goal for
# both at most 100 ms).
tarvo_add_bench(bench_dialog_latency ${CMAKE_CURRENT_LIST_DIR}/dialog_latency_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer_bench_support.cpp)
target_link_libraries(bench_dialog_latency PRIVATE tarvo_ui tarvo_platform)
add_dependencies(bench_dialog_latency tarvo-kbdsim)
