# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the posix
# thread model, so std::thread and std::mutex work), with libgcc and
# libstdc++ linked in so that the .exe needs only system DLLs. Programs the
# build or the tests run go through wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
find_program(TARNWICK_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARNWICK_WINE})

# Header-only libraries come from the build machine's /usr/include.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/host-headers)
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/host-headers)
