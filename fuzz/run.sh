#!/usr/bin/env bash
# Runs every reader's fuzz target for SECONDS each on a copy of its seed
# corpus (the committed corpus never grows from a run) and reports per target
# the executions, the coverage reached and any finding. Exits non-zero on a
# crash, leak, timeout or broken invariant in any target.
#
#   fuzz/run.sh SECONDS [BUILD_DIR] [FORMAT...]
#
# BUILD_DIR defaults to build-fuzz (configured with -DPIPSWEEP_FUZZ=ON);
# FORMATs default to all six. Inputs that fail are kept as
# BUILD_DIR/fuzz-run/<format>/artifacts/*.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS [BUILD_DIR] [FORMAT...]" >&2
  exit 2
fi
seconds=$1
build=${2:-build-fuzz}
shift $(($# >= 2 ? 2 : 1))
formats=("$@")
[ ${#formats[@]} -gt 0 ] || formats=(pbn dup bri dlm csv dge)

failed=0
for format in "${formats[@]}"; do
  target="$build/fuzz/pipsweep_fuzz_$format"
  if [ ! -x "$target" ]; then
    echo "$format: no target $target" >&2
    failed=1
    continue
  fi
  work="$build/fuzz-run/$format"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$here/corpus/$format/"* "$work/corpus/"
  status=0
  "$target" "$work/corpus" -dict="$here/$format.dict" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" >"$work/log" 2>&1 || status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  coverage=$(grep -E '^#[0-9]+.*cov: ' "$work/log" | tail -1 |
             sed -E 's/.*(cov: [0-9]+ ft: [0-9]+).*/\1/')
  findings=$(find "$work/artifacts" -type f | wc -l)
  echo "$format: ${execs:-?} executions, ${coverage:-no coverage line}, $findings finding(s), exit $status"
  if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ] || [ -z "$execs" ]; then
    failed=1
    grep -E 'ERROR|BROKEN|SUMMARY|Test unit written' "$work/log" | head -20 || true
    echo "  log: $work/log"
  fi
done
exit "$failed"
