#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset test
cmake --build --preset test
ctest --test-dir build/test --output-on-failure --parallel 2
