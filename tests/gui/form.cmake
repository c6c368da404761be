# The form framework and the script menu editors, driven through their widgets.
find_package(Qt6 REQUIRED COMPONENTS Test)
tarvo_add_gui_test(tests_gui_forms
  editor_fixture.cpp
  form_fixture.cpp
  form_menu_ccl_test.cpp
  form_framework_test.cpp
)
target_link_libraries(tests_gui_forms PRIVATE Qt6::Test)
# Every dialog at 200 % on a small screen.
tarvo_add_test(tests_gui_scaled SOURCES scaled_test_main.cpp editor_fixture.cpp scaled_dialogs_test.cpp
  LIBS tarvo_app)
add_dependencies(tests_gui_scaled tarvo_templates)
