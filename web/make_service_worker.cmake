# Writes SITE/sw.js from TEMPLATE: the cache name carries a hash of every
# file in FILES and ON_USE, the files cached at installation (FILES) and
# those cached when first used (ON_USE) are filled in, index.html under the
# page's address, which is how a browser asks for it (the page is all but
# the whole of a first visit: once is enough).
set(digest_input "")
foreach(file ${FILES} ${ON_USE})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND digest_input "${file} ${hash}\n")
endforeach()
string(SHA256 version "${digest_input}")
string(SUBSTRING ${version} 0 16 CACHE_VERSION)

function(quoted_list out)
  set(text "")
  foreach(file ${ARGN})
    if(file STREQUAL "index.html")
      set(file "")
    endif()
    string(APPEND text "  './${file}',\n")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
quoted_list(CACHED_FILES ${FILES})
quoted_list(ON_USE_FILES ${ON_USE})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
