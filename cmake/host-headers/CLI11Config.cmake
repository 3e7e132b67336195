# CLI11 for the Windows cross build: the host's headers (see HostHeaderLibrary.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/HostHeaderLibrary.cmake)
tarnwick_host_header_library(CLI11::CLI11 CLI)
