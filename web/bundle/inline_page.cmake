# tarnwick_inline_page(OUTPUT SOURCE [SEARCH dir...] [DEPENDS file...])
# writes OUTPUT, the page SOURCE with the stylesheets and the module script
# it links written into it, the modules bundled as one (inline_page.js beside
# this file); linked files not beside SOURCE are looked up in the SEARCH
# folders. Rebuilt when any file read changes.
find_program(TARNWICK_NODE node REQUIRED)

function(tarnwick_inline_page output source)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SEARCH;DEPENDS")
  set(script_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  get_filename_component(name ${output} NAME)
  set(depfile ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${name}.d)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${TARNWICK_NODE} ${script_dir}/inline_page.js ${source} ${output} ${depfile} ${arg_SEARCH}
    DEPFILE ${depfile}
    DEPENDS ${script_dir}/inline_page.js ${script_dir}/bundle_modules.js ${source} ${arg_DEPENDS}
    COMMENT "Writing the page with its styles and modules in it"
    VERBATIM)
endfunction()
