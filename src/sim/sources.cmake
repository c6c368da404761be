# The simulated keyboard: its protocol logic as a library the tests drive
# without a terminal, and the program around it.
add_library(tarvo_sim_lib STATIC
  fault_plan.cpp
  flash_setup.cpp
  keyboard_flash.cpp
  keyboard_options.cpp
  keyboard_simulator.cpp
  pseudo_terminal.cpp
  reply_pacer.cpp
  sim_command_line.cpp
  sim_runner.cpp
  sim_trace.cpp
  slot_status.cpp
  table_sources.cpp
)
target_include_directories(tarvo_sim_lib PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
target_link_libraries(tarvo_sim_lib PUBLIC tarvo_core PRIVATE tarvo_warnings)

add_executable(tarvo-kbdsim main.cpp)
target_link_libraries(tarvo-kbdsim PRIVATE tarvo_sim_lib tarvo_warnings)
add_dependencies(tarvo-kbdsim tarvo_templates)
install(TARGETS tarvo-kbdsim RUNTIME DESTINATION bin)
