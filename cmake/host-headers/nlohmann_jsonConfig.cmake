# nlohmann-json for the Windows cross build: the host's headers (see HostHeaderLibrary.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/HostHeaderLibrary.cmake)
tarnwick_host_header_library(nlohmann_json::nlohmann_json nlohmann)
