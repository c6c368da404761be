# One line per command source file.
target_sources(tarvo_cli_lib PRIVATE
  cmd_new.cpp
  cmd_info.cpp
  cmd_check_template.cpp
  cmd_set_entry.cpp
  document_cli.cpp
  json_writer.cpp
  cmd_dump.cpp
  cmd_query.cpp
  session_runner.cpp
  cmd_import.cpp
  cmd_download.cpp
  cmd_diff.cpp
  frame_trace.cpp
  interrupt_guard.cpp
  template_source.cpp
  transfer_command.cpp
  transfer_report.cpp
  port_fleet.cpp
  download_many.cpp
)
