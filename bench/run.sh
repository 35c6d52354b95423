#!/usr/bin/env bash
# Times pipsweep against the I/O floor (pipsweep_floor) on generated deal
# files, standard output sent to /dev/null, best of RUNS runs each.
#   bench/run.sh [BUILD_DIR]
# Environment:
#   FORMATS   formats to run (default "pbn dup bri dlm csv dge"; pbn-full is
#             the larger PBN scoring programs write)
#   COUNTS    deal counts (default "1000 100000 1000000")
#   RUNS      runs per program, the best one counts (default 3)
#   PIPSWEEP  the pipsweep binary to time (default BUILD_DIR/pipsweep), e.g.
#             an older build to compare against
# Prints, per format and count: the file size, the best wall time of each
# program, pipsweep's deals per second, its time as a multiple of the
# floor's, and the peak resident memory of each (largest of the runs).
# Fails when _pipsweep.txt does not hold every deal or differs in size from
# what the floor wrote.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
formats=${FORMATS:-pbn dup bri dlm csv dge}
counts=${COUNTS:-1000 100000 1000000}
runs=${RUNS:-3}
pipsweep=$(realpath "${PIPSWEEP:-$build/pipsweep}")
gen=$build/pipsweep_gen
floor=$build/pipsweep_floor
for tool in "$pipsweep" "$gen" "$floor"; do
  [ -x "$tool" ] || { echo "missing $tool (build the project first)" >&2; exit 1; }
done
command -v /usr/bin/time > /dev/null || { echo "needs /usr/bin/time (package time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Runs the command once; sets elapsed (seconds) and kb (peak resident kB).
run_once() {
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o mem.txt "$@" < /dev/null > /dev/null 2> /dev/null
  end=$EPOCHREALTIME
  elapsed=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
  kb=$(tail -n 1 mem.txt)
}

# Keeps the smaller time in the variable named $1 and the larger peak in $2.
keep_best() {
  if [ -z "${!1}" ] || awk -v a="$elapsed" -v b="${!1}" 'BEGIN { exit !(a < b) }'; then
    printf -v "$1" '%s' "$elapsed"
  fi
  if [ "$kb" -gt "${!2}" ]; then printf -v "$2" '%s' "$kb"; fi
}

printf '%-4s %8s %11s %9s %9s %11s %6s %8s %8s\n' \
  format deals bytes pipsw_s floor_s deals/s ratio peak_kB floor_kB
for format in $formats; do
  for count in $counts; do
    # pipsweep tells the format by the extension: pbn-full is a .pbn.
    file=deals.${format%%-*}
    "$gen" "$format" "$count" > "$file"
    # The two programs take turns, so that a busy spell on the machine
    # slows both rather than one.
    p_best="" p_peak=0 f_best="" f_peak=0
    for ((run = 0; run < runs; run++)); do
      run_once "$pipsweep" "$file"
      keep_best p_best p_peak
      run_once "$floor" "$file" "$count"
      keep_best f_best f_peak
    done
    lines=$(grep -c -x ' [TRDL? ]\{71\}' _pipsweep.txt || true)
    [ "$lines" -eq "$count" ] || { echo "$format $count: $lines deals in _pipsweep.txt" >&2; exit 1; }
    [ "$(stat -c %s _pipsweep.txt)" -eq "$(stat -c %s _floor.txt)" ] ||
      { echo "$format $count: _pipsweep.txt and _floor.txt differ in size" >&2; exit 1; }
    awk -v f="$format" -v n="$count" -v bytes="$(stat -c %s "$file")" -v p="$p_best" -v fl="$f_best" \
        -v pk="$p_peak" -v fk="$f_peak" \
      'BEGIN { printf "%-4s %8d %11d %9.3f %9.3f %11.0f %6.2f %8d %8d\n", f, n, bytes, p, fl, n / p, p / fl, pk, fk }'
    rm -f "$file"
  done
done
