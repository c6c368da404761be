# Sources of later widget groups, each group's list in its own file.
include(${CMAKE_CURRENT_LIST_DIR}/com_port_sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/form_sources.cmake)
