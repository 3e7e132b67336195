# tarnwick_host_header_library(<target> <folder>): a header-only library that
# Debian installs for the build machine only (CLI11, nlohmann-json), offered to
# a cross build. Its folder is linked into an include directory of its own,
# since /usr/include itself would put the host's C library headers in front
# of the target's.
function(tarnwick_host_header_library target folder)
  if(TARGET ${target})
    return()
  endif()
  set(include_dir ${CMAKE_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${include_dir})
  file(CREATE_LINK /usr/include/${folder} ${include_dir}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${include_dir})
endfunction()
