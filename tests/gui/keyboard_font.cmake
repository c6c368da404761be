# The keyboard-font edit, the picture buttons, the Font-Point Character Entry
# dialog and the Characters Display.
find_package(Qt6 REQUIRED COMPONENTS Test)
tarvo_add_gui_test(tests_gui_keyboard_font
  editor_fixture.cpp
  keyboard_font_edit_test.cpp
  char_entry_dialog_test.cpp
  characters_display_test.cpp
)
target_link_libraries(tests_gui_keyboard_font PRIVATE Qt6::Test)

# For looking at the character-entry windows on a real display (not installed).
add_executable(tarvo-char-preview char_preview_main.cpp)
target_link_libraries(tarvo-char-preview PRIVATE tarvo_app tarvo_warnings)
