#!/usr/bin/env bash
# CI for the Windows build: cross-compiles pipsweep.exe with mingw-w64
# (warnings as errors), checks that it needs no DLL beyond Windows' own and
# carries its icons, manifest and version information, then runs it under
# wine next to the Linux build on the same cases.
#   .ci/windows.sh [LINUX_BUILD_DIR]
# Without LINUX_BUILD_DIR it reuses build/ when that holds the tool, else
# builds one.
set -euo pipefail
cd "$(dirname "$0")/.."

wine=/usr/lib/wine/wine64
missing=()
command -v cmake >/dev/null 2>&1 || missing+=(cmake)
command -v g++ >/dev/null 2>&1 || missing+=(g++)
command -v x86_64-w64-mingw32-g++-win32 >/dev/null 2>&1 || missing+=(mingw-w64)
[ -x "$wine" ] || missing+=(wine64)
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y "${missing[@]}"
fi

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DPIPSWEEP_TESTS=OFF -DPIPSWEEP_WERROR=ON
cmake --build build-win -j2
exe=build-win/pipsweep.exe

# A clean Windows has no C++ or GCC runtime DLLs: they must be linked in.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "pipsweep.exe imports:" $dlls
if grep -iqE 'libstdc|libgcc|pthread' <<<"$dlls"; then
  echo "pipsweep.exe needs a runtime DLL" >&2
  exit 1
fi
# The three icon groups and the manifest.
resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc)
for want in '^321 14 ' '^322 14 ' '^323 14 ' '^1 24 '; do
  if ! grep -q "$want" <<<"$resources"; then
    echo "pipsweep.exe lacks the resource '$want'" >&2
    exit 1
  fi
done
# The version information Explorer shows under Properties > Details.
for want in 'FILEVERSION 1, 2, 0, 0' 'PRODUCTVERSION 1, 2, 0, 0' \
  'VALUE "FileVersion", "1.2"' 'VALUE "ProductVersion", "1.2"' 'VALUE "ProductName", "Pipsweep"' \
  'VALUE "FileDescription", "Pipsweep - ' 'VALUE "LegalCopyright", "Copyright (c) 2026 Pipsweep developers' \
  'VALUE "OriginalFilename", "pipsweep.exe"'; do
  if ! grep -qF "$want" <<<"$resources"; then
    echo "pipsweep.exe's version information lacks '$want'" >&2
    exit 1
  fi
done
echo "pipsweep.exe: icons, manifest and version information present"

linux_dir=${1:-}
if [ -z "$linux_dir" ]; then
  if [ -x build/pipsweep ]; then
    linux_dir=build
  else
    linux_dir=build-smoke
    cmake -S . -B "$linux_dir" -DPIPSWEEP_TESTS=OFF
    cmake --build "$linux_dir" -j2 --target pipsweep
  fi
fi

# A prefix of our own, made on the first run (some seconds).
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
WINE="$wine" tests/windows_smoke.sh "$linux_dir/pipsweep" "$exe"
