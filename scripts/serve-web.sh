#!/usr/bin/env bash
# Serves the built web page on this machine: http://127.0.0.1:PORT/
# Usage: scripts/serve-web.sh [BUILD_DIR] [PORT]   (defaults: build/test, 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
port=${2:-8080}
if [[ ! -f "$build/web/index.html" ]]; then
  echo "No web page in $build/web: build it first (cmake --build $build)" >&2
  exit 1
fi
exec node scripts/serve_web.js "$build/web" "$port"
