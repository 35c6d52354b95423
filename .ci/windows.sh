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
. .ci/lib.sh

wine=/usr/lib/wine/wine64
need_command cmake
need_command g++
need_command x86_64-w64-mingw32-g++-win32 mingw-w64
need_path "$wine" wine64
install_missing

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DPIPSWEEP_TESTS=OFF -DPIPSWEEP_WERROR=ON
cmake --build build-win -j2
exe=build-win/pipsweep.exe

# A clean Windows has no C++ or GCC runtime DLLs: they must be linked in.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "pipsweep.exe imports:" $dlls
if grep -iqE 'libstdc|libgcc|pthread' <<<"$dlls"; then
  fail "pipsweep.exe needs a runtime DLL"
fi
# The three icon groups and the manifest.
resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc)
for want in '^321 14 ' '^322 14 ' '^323 14 ' '^1 24 '; do
  grep -q "$want" <<<"$resources" || fail "pipsweep.exe lacks the resource '$want'"
done
# The version information Explorer shows under Properties > Details.
for want in 'FILEVERSION 1, 2, 0, 0' 'PRODUCTVERSION 1, 2, 0, 0' \
  'VALUE "FileVersion", "1.2"' 'VALUE "ProductVersion", "1.2"' 'VALUE "ProductName", "Pipsweep"' \
  'VALUE "FileDescription", "Pipsweep - ' 'VALUE "LegalCopyright", "Copyright (c) 2026 Pipsweep developers' \
  'VALUE "OriginalFilename", "pipsweep.exe"'; do
  grep -qF "$want" <<<"$resources" || fail "pipsweep.exe's version information lacks '$want'"
done
pass "pipsweep.exe: no runtime DLL; icons, manifest and version information present"

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
