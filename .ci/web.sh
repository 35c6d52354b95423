#!/usr/bin/env bash
# CI for the page: installs Emscripten, Chromium and npm when missing, builds
# the page and its zip, then runs the browser tests against the Linux build.
#   .ci/web.sh [NATIVE_BUILD_DIR]   (default build; built when it lacks pipsweep)
# Screenshots of the dealing view and the print land in build-web/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build}

missing=()
command -v emcc >/dev/null 2>&1 || missing+=(emscripten)
[ -x /usr/bin/chromium ] || missing+=(chromium)
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y "${missing[@]}"
fi
# Debian's Emscripten finds its Node modules only here.
export NODE_PATH=/usr/share/nodejs

if [ ! -x "$native/pipsweep" ]; then
  cmake -S . -B "$native" && cmake --build "$native" -j2 --target pipsweep
fi
emcmake cmake -S . -B build-web -DPIPSWEEP_WERROR=ON
cmake --build build-web -j2
(cd build-web && cpack -G ZIP)

(cd web && npm ci --no-audit --no-fund)
PIPSWEEP_NATIVE="$native/pipsweep" PIPSWEEP_PAGE=build-web/web PIPSWEEP_SHOTS=build-web/screenshots \
  node --test web/test/*.test.mjs
