# The About window's registry lookup as a library without Qt, so that the
# Windows build, which has no window, tests it against the real registry.
add_library(tarnwick_registry STATIC
  ${CMAKE_CURRENT_LIST_DIR}/registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tools_in_registry.cpp
)
if(WIN32)
  target_sources(tarnwick_registry PRIVATE ${CMAKE_CURRENT_LIST_DIR}/windows_registry.cpp)
  target_link_libraries(tarnwick_registry PRIVATE advapi32)
endif()
target_link_libraries(tarnwick_registry PUBLIC tarnwick_include_root)
tarnwick_set_warnings(tarnwick_registry)
