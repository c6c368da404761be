target_sources(tarvo_platform PRIVATE
  device_serial_port.cpp
  event_loop_host.cpp
  interrupted_write_settings.cpp
  line_speed_settings.cpp
  network_serial_port.cpp
  port_paths.cpp
  qt_serial_port.cpp
  settings_store.cpp
)
