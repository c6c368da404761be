# One line per command source file.
target_sources(tarvo_cli_lib PRIVATE
)
