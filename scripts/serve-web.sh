#!/usr/bin/env bash
# Serves the built web page on this machine: http://127.0.0.1:PORT/
# Usage: scripts/serve-web.sh [SITE_DIR] [PORT]   (defaults: build/web/site, 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build/web/site}
port=${2:-8080}
if [[ ! -f "$site/index.html" ]]; then
  echo "No web page in $site: build it first (cmake --build --preset test, then cmake --preset web && cmake --build --preset web)" >&2
  exit 1
fi
exec node scripts/serve_web.js "$site" "$port"
