# The Windows release: tarnwick-decode-<version>-windows-x64.zip with the
# tool, the README and the licences as text files Notepad opens, all at the
# top of the archive.
install(TARGETS tarnwick-decode RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# The notices of what is compiled into the tool (CLI11), and of the
# mingw-w64 runtime linked into it statically (winpthreads among it), as
# Debian ships them with the cross compiler.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION . RENAME COPYRIGHT.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION . RENAME COPYRIGHT-mingw-w64.txt)

set(CPACK_PACKAGE_NAME tarnwick-decode)
set(CPACK_PACKAGE_VENDOR "Tarnwick Decoder team")
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME tarnwick-decode-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
