# The transfer dialogs in the main window against the simulated keyboard on a
# pseudo-terminal (COM1 points at it).
find_package(Qt6 REQUIRED COMPONENTS Test)
tarvo_add_gui_test(tests_gui_transfer
  editor_fixture.cpp
  form_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../cli/document_commands_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../cli/sim_process.cpp
  transfer_dialogs_test.cpp
  transfer_parts_test.cpp
  transfer_progress_test.cpp
)
target_include_directories(tests_gui_transfer PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../cli)
target_link_libraries(tests_gui_transfer PRIVATE Qt6::Test)
foreach(program tarvo tarvo-kbdsim)
  if(TARGET ${program})
    add_dependencies(tests_gui_transfer ${program})
  endif()
endforeach()
