#!/usr/bin/env bash
# Runs the windows preset's tests under wine: the core's, the tool's and the
# registry lookup's Windows programs, and the tool's integration suite
# (build/test's runner driving the .exe). Needs both presets built.
#
# A wine prefix of its own in a temporary folder, the wine server started
# first with its streams closed (a server or service started by a test would
# otherwise hold CTest's pipes open and the run would never end), and
# stopped at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

export WINEPREFIX WINEDEBUG=-all LANG=C.UTF-8
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-wine.XXXXXX")
stop_wine() {
  wineserver -k || true
  rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT

wineserver -p </dev/null >/dev/null 2>&1
wine wineboot --init </dev/null >/dev/null 2>&1
ctest --preset windows "$@"
