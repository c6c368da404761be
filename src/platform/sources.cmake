target_sources(tarvo_platform PRIVATE
  event_loop_host.cpp
  interrupted_write_settings.cpp
  line_speed_settings.cpp
  port_paths.cpp
  qt_serial_port.cpp
)
