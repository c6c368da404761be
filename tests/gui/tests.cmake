# Widget tests of later features, each group's programs in its own file.
include(${CMAKE_CURRENT_LIST_DIR}/com_port.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/form.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/network_download.cmake)
