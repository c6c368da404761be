# The COM Port Setup and COM Port Settings dialogs.
target_sources(tarvo_ui PRIVATE
  com_port_devices.cpp
  com_port_settings_dialog.cpp
  com_port_setup_dialog.cpp
)
