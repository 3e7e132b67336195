# tarnwick_inline_page(OUTPUT SOURCE [SEARCH dir...] [DEPENDS file...])
# writes OUTPUT, the page SOURCE with the stylesheets and the module script
# it links written into it, the modules bundled as one (inline_page.js beside
# this file); linked files not beside SOURCE are looked up in the SEARCH
# folders. Rebuilt when any file read changes. The bundle is minified by
# Debian's node-terser.
find_program(TARNWICK_NODE node REQUIRED)
find_path(TARNWICK_NODE_MODULES terser/package.json PATHS /usr/share/nodejs /usr/lib/nodejs
  NO_CMAKE_FIND_ROOT_PATH DOC "Folder of Node.js packages that holds terser (Debian's node-terser)")
if(NOT TARNWICK_NODE_MODULES)
  message(FATAL_ERROR "The web page's modules are minified by terser: install Debian's node-terser")
endif()

function(tarnwick_inline_page output source)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SEARCH;DEPENDS")
  set(script_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  get_filename_component(name ${output} NAME)
  set(depfile ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${name}.d)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=${TARNWICK_NODE_MODULES}
            ${TARNWICK_NODE} ${script_dir}/inline_page.js ${source} ${output} ${depfile} ${arg_SEARCH}
    DEPFILE ${depfile}
    DEPENDS ${script_dir}/inline_page.js ${script_dir}/bundle_modules.js ${source} ${arg_DEPENDS}
    COMMENT "Writing the page with its styles and modules in it"
    VERBATIM)
endfunction()
