# Writes SITE/sw.js from TEMPLATE: the cache name carries a hash of every
# file in FILES, and the list of files to cache is filled in, index.html
# under the page's address, which is how a browser asks for it (the page is
# all but the whole site: once is enough).
set(digest_input "")
set(file_list "")
foreach(file ${FILES})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND digest_input "${file} ${hash}\n")
  if(file STREQUAL "index.html")
    set(file "")
  endif()
  string(APPEND file_list "  './${file}',\n")
endforeach()
string(SHA256 version "${digest_input}")
string(SUBSTRING ${version} 0 16 CACHE_VERSION)
set(CACHED_FILES "${file_list}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
