#!/usr/bin/env bash
# Times pipsweep on 100,000 generated deals in each format, standard output
# sent to /dev/null. Usage: bench/run.sh [BUILD_DIR] [COUNT]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
count=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '%-5s %10s %9s %9s %11s\n' format bytes elapsed user peak_kB
for format in pbn dup bri dlm csv dge; do
  "$build/pipsweep_gen" "$format" "$count" > "deals.$format"
  /usr/bin/time -f '%e %U %M' -o time.txt "$build/pipsweep" "deals.$format" > /dev/null 2> /dev/null
  read -r elapsed user peak < time.txt
  boards=$(grep -c '^Board ' _pipsweep.txt)
  [ "$boards" -eq "$count" ] || { echo "$format: $boards boards written, $count expected" >&2; exit 1; }
  printf '%-5s %10s %8ss %8ss %11s\n' "$format" "$(stat -c %s "deals.$format")" "$elapsed" "$user" "$peak"
done
