#!/usr/bin/env bash
# Runs the Linux build and pipsweep.exe (under wine) on the same cases, each
# in a fresh directory, and compares what a user sees: standard output,
# _pipsweep.txt and the exit status. Windows writes CR LF line ends; they
# are taken as LF for the comparison, and _pipsweep.txt must really have them.
#   tests/windows_smoke.sh LINUX_PIPSWEEP PIPSWEEP_EXE
# Without DISPLAY, wine's file dialog returns at once with nothing chosen and
# its message box closes at once. The Linux build writes its end message to
# standard error, which is not compared.
set -euo pipefail

linux_bin=$(realpath "$1")
windows_exe=$(realpath "$2")
examples=$(realpath "$(dirname "$0")/../examples")
wine=${WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | standard input (printf format) | arguments
cases=(
  "help||-h"
  "unknown option, then help||-x -h"
  "unknown option, option without its argument||-q -d"
  "options end at the first operand||examples/club.bri -h"
  "two symbols only||-d AB examples/club.bri"
  "pbn||examples/club-session.pbn"
  "dup||examples/club.dup"
  "bri||examples/club.bri"
  "dlm||examples/club.dlm"
  "csv||examples/generated.csv"
  "dge||examples/club.dge"
  "pause answered from a pipe|x\nq\n|-p examples/club.dup"
  "missing file||examples/missing.pbn"
  "unsupported extension||examples/club.PBN"
  "no operand, empty input||"
)

passed=0
failed=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name input args <<<"$entry"
  read -r -a argv <<<"$args"
  rm -rf "$work/linux" "$work/windows"
  for side in linux windows; do
    mkdir "$work/$side"
    cp -r "$examples" "$work/$side/examples"
    if [ "$side" = linux ]; then run=("$linux_bin"); else run=("$wine" "$windows_exe"); fi
    status=0
    # shellcheck disable=SC2059  # the input column is a printf format
    (cd "$work/$side" && printf "$input" | "${run[@]}" "${argv[@]}" >stdout 2>/dev/null) || status=$?
    echo "$status" >"$work/$side/status"
    sed 's/\r$//' "$work/$side/stdout" >"$work/$side/stdout.lf"
    if [ -f "$work/$side/_pipsweep.txt" ]; then
      sed 's/\r$//' "$work/$side/_pipsweep.txt" >"$work/$side/out.lf"
    else
      echo "(no _pipsweep.txt)" >"$work/$side/out.lf"
    fi
  done
  problem=""
  cmp -s "$work/linux/status" "$work/windows/status" ||
    problem+=" status $(cat "$work/linux/status") vs $(cat "$work/windows/status");"
  cmp -s "$work/linux/stdout.lf" "$work/windows/stdout.lf" || problem+=" standard output differs;"
  cmp -s "$work/linux/out.lf" "$work/windows/out.lf" || problem+=" _pipsweep.txt differs;"
  # Every line of the Windows output file ends in CR LF.
  if [ -s "$work/windows/_pipsweep.txt" ] && grep -aqv $'\r$' "$work/windows/_pipsweep.txt"; then
    problem+=" _pipsweep.txt has a line without CR LF;"
  fi
  if [ -z "$problem" ]; then
    echo "pass: $name"
    passed=$((passed + 1))
  else
    echo "FAIL: $name:$problem"
    diff <(cat -v "$work/linux/stdout.lf") <(cat -v "$work/windows/stdout.lf") | head -n 10 || true
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
