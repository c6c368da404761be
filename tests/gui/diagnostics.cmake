# The diagnostic tools: locale and error-code dialogs, the COM port console
# against the simulator, the dump dialogs against `tarvo dump`, the template
# and Unicode tools, and their place in the menus.
find_package(Qt6 REQUIRED COMPONENTS Test)
tarvo_add_gui_test(tests_gui_diagnostics
  editor_fixture.cpp
  diag_locale_test.cpp
  diag_console_test.cpp
  diag_dump_test.cpp
  diag_tools_test.cpp
)
target_link_libraries(tests_gui_diagnostics PRIVATE Qt6::Test)
add_dependencies(tests_gui_diagnostics tarvo tarvo-kbdsim)
