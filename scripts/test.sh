#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors (the
# Windows build of the core and the tool too) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset test
cmake --build --preset test
# The web page is built through Emscripten's toolchain in a build of its
# own, which runs the asset exporter just built; the browser tests among
# the test preset's tests open that site.
if grep -q '^TARNWICK_BUILD_WEB:BOOL=ON$' build/test/CMakeCache.txt; then
  cmake --preset web
  cmake --build --preset web
fi
# The core and the tool for Windows, tested under wine.
cmake --preset windows
cmake --build --preset windows
ctest --test-dir build/test --output-on-failure --parallel 2
scripts/windows_tests.sh
