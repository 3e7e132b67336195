#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the decoder.
# Does nothing (and never runs apt-get update) when every package is present.
# Then installs the browser tests' npm packages from package-lock.json.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  fonts-liberation2 xvfb xauth
  dbus-daemon at-spi2-core libatspi2.0-dev
  clang libclang-rt-14-dev
  file dpkg-dev ca-certificates
  emscripten chromium nodejs node-terser
  unicode-data
  g++-mingw-w64-x86-64-posix googletest wine wine64 zip
)

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

# Some node packages bring npm along; Debian's nodejs needs its npm package.
command -v npm >/dev/null || missing+=(npm)

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The pinned npm packages, again only when the lock file has changed. The
# tests drive Debian's chromium: no browser is downloaded.
cd "$(dirname "$0")/.."
stamp=node_modules/.installed-package-lock.json
if ! cmp -s package-lock.json "$stamp"; then
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
  cp package-lock.json "$stamp"
fi
