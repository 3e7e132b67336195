# tarnwick_set_warnings(<target>): the project's warning flags for one target.
function(tarnwick_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string assignments at -O2 and above as overlapping
    # copies (GCC bug 105329): a false positive.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(TARNWICK_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
