# The COM Port Setup and COM Port Settings dialogs and their commands in the
# main window, typed into with QTest.
find_package(Qt6 REQUIRED COMPONENTS Test)
tarvo_add_gui_test(tests_gui_com_port
  editor_fixture.cpp
  com_port_commands_test.cpp
  com_port_settings_dialog_test.cpp
  com_port_setup_dialog_test.cpp
)
target_link_libraries(tests_gui_com_port PRIVATE Qt6::Test)
