target_sources(tarvo_platform PRIVATE
  event_loop_host.cpp
  port_paths.cpp
  qt_serial_port.cpp
)
