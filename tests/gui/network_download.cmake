# The editor's Download through a COM number mapped to a network serial
# server (ser2net on 127.0.0.1 in front of the simulated keyboard).
tarvo_add_gui_test(tests_gui_network_download
  editor_fixture.cpp
  network_download_test.cpp
)
target_link_libraries(tests_gui_network_download PRIVATE tarvo_test_processes)
