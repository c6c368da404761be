# The form framework and the script menu editors, driven through their widgets.
find_package(Qt6 REQUIRED COMPONENTS Test)
tarvo_add_gui_test(tests_gui_forms
  editor_fixture.cpp
  form_fixture.cpp
  form_menu_ccl_test.cpp
  form_framework_test.cpp
)
target_link_libraries(tests_gui_forms PRIVATE Qt6::Test)
