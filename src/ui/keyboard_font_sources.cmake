# The keyboard-font edit, the picture and callback buttons, the Font-Point
# Character Entry dialog and the Characters Display.
target_sources(tarvo_ui PRIVATE
  callback_button.cpp
  char_entry_dialog.cpp
  characters_display.cpp
  keyboard_font_edit.cpp
  picture_button.cpp
)
