#!/usr/bin/env bash
# CI: build the Debian package and check what it holds, that the unpacked
# program runs and shows its own icons in zenity's boxes, and that lintian,
# desktop-file-validate and groff find no error. Also zips the Windows build
# when one is there.
set -euo pipefail
cd "$(dirname "$0")/.."
. .ci/lib.sh
root=$(pwd)

need_command cmake
need_command g++
need_command dpkg-shlibdeps dpkg-dev
need_command lintian
need_command desktop-file-validate desktop-file-utils
need_command groff
need_command unzip
install_missing

# The build .ci/run made, or one of our own.
build=build
if [ ! -f "$build/CMakeCache.txt" ]; then
  build=build-package
  cmake -S . -B "$build" -DPIPSWEEP_TESTS=OFF
fi
cmake --build "$build" -j2 --target pipsweep pipsweep_docs
rm -f "$build"/pipsweep_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/pipsweep_1.2-1_"$(dpkg --print-architecture)".deb)
echo "package: $deb, $(stat -c %s "$deb") bytes"

contents=$(dpkg-deb -c "$deb")
for f in usr/bin/pipsweep usr/share/man/man1/pipsweep.1.gz usr/share/doc/pipsweep/copyright \
  usr/share/doc/pipsweep/LICENSE usr/share/doc/pipsweep/README.md usr/share/doc/pipsweep/README.txt \
  usr/share/doc/pipsweep/examples/club-session.pbn \
  usr/share/applications/pipsweep.desktop usr/share/icons/hicolor/128x128/apps/pipsweep.png \
  usr/share/icons/hicolor/32x32/apps/pipsweep-stop.png \
  usr/share/icons/hicolor/24x24/apps/pipsweep-success.png; do
  grep -q " \./$f\$" <<<"$contents" || fail "$f missing from the package"
done
pass "package holds the program, manual, copyright, licence, READMEs, examples, menu entry and icons"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
program="$work/root/usr/bin/pipsweep"
help=$("$program" -h </dev/null) || fail "unpacked pipsweep -h did not exit 0"
grep -q '^Pipsweep V1.2 - by Olsveld$' <<<"$help" || fail "unpacked pipsweep -h: no help text"
pass "unpacked program runs: -h exits 0 with the help"

# A stand-in zenity records how it was called, so the icon arguments are
# checked without a display.
mkdir "$work/fakebin" "$work/run"
cat >"$work/fakebin/zenity" <<'EOF'
#!/bin/sh
{ printf '%s\n' "$@"; echo "XDG_DATA_DIRS=$XDG_DATA_DIRS"; } >>"$ZENITY_LOG"
EOF
chmod +x "$work/fakebin/zenity"
printf '' >"$work/run/empty.pbn"
zenity_call() {  # program, deal file, log; pipsweep's own status is ignored
  (cd "$work/run" && env PATH="$work/fakebin:$PATH" DISPLAY=:ci XDG_DATA_DIRS=/nonexistent \
    ZENITY_LOG="$3" "$1" "$2" </dev/null >/dev/null 2>&1) || true
  [ -f "$3" ] || fail "pipsweep did not call zenity for $2"
}
share="$(readlink -f "$work/root/usr/bin")/../share"
zenity_call "$program" "$root/examples/club.bri" "$work/success.log"
grep -qx -- "--window-icon=$share/icons/hicolor/128x128/apps/pipsweep.png" "$work/success.log" &&
  grep -qx -- "--icon-name=pipsweep-success" "$work/success.log" &&
  grep -qx -- "XDG_DATA_DIRS=$share:/nonexistent" "$work/success.log" ||
  fail "success box without the installed icons: $(cat "$work/success.log")"
zenity_call "$program" empty.pbn "$work/stop.log"
grep -qx -- "--icon-name=pipsweep-stop" "$work/stop.log" || fail "failure box without the stop icon"
zenity_call "$root/$build/pipsweep" "$root/examples/club.bri" "$work/stock.log"
if grep -q -- '--window-icon\|--icon-name' "$work/stock.log"; then
  fail "icon arguments given where no icons are installed"
fi
pass "zenity gets the installed icons, and its stock icons where none are installed"

lintian_out=$(lintian "$deb" 2>&1) || true
echo "$lintian_out"
if grep -q '^E:' <<<"$lintian_out"; then fail "lintian reports errors"; fi
pass "lintian: no error"

desktop-file-validate res/pipsweep.desktop || fail "desktop-file-validate"
pass "desktop-file-validate: menu entry valid"

groff_out=$(groff -man -Tutf8 -ww doc/pipsweep.1 2>&1 >/dev/null)
[ -z "$groff_out" ] || fail "groff warnings: $groff_out"
if command -v man >/dev/null 2>&1; then
  man_out=$(man --warnings -l doc/pipsweep.1 2>&1 >/dev/null)
  [ -z "$man_out" ] || fail "man warnings: $man_out"
fi
pass "manual page: no groff warning"

if [ -f build-win/pipsweep.exe ]; then
  rm -f build-win/pipsweep-*-win64.zip
  (cd build-win && cpack -G ZIP)
  listing=$(unzip -l build-win/pipsweep-1.2-win64.zip)
  for f in pipsweep.exe README.txt LICENSE.txt examples/club-session.pbn; do
    grep -q "pipsweep-1.2-win64/$f\$" <<<"$listing" || fail "$f missing from the zip"
  done
  pass "Windows zip holds pipsweep.exe, README.txt, LICENSE.txt and the examples"
  # The user's guide: every line ends in CR LF, and nothing of the build.
  guide="$work/README.txt"
  unzip -p build-win/pipsweep-1.2-win64.zip pipsweep-1.2-win64/README.txt >"$guide"
  [ "$(grep -c $'\r$' "$guide")" = "$(wc -l <"$guide")" ] || fail "README.txt has a line end without CR"
  if grep -qiE 'cmake|ctest|cpack|fuzz|mingw|```' "$guide"; then
    fail "README.txt holds build or developer notes"
  fi
  pass "Windows README.txt: CR LF line ends, no build notes"
else
  echo "skipped: no build-win/pipsweep.exe, so no Windows zip"
fi

echo "package: $passed passed, 0 failed"
