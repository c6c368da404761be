# The form framework and the script menu editors.
target_sources(tarvo_ui PRIVATE
  form_base_view.cpp
  form_frame.cpp
  form_links_chooser.cpp
  form_menu_ccl.cpp
  form_menu_ccl_layout.cpp
)
