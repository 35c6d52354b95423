#!/usr/bin/env bash
# CI: the README's two Quick start commands, taken verbatim from README.md,
# each in a fresh checkout on a bare Debian 12 of its own (debootstrap's
# minbase with git and sudo), run in a chroot. Checks the example's
# _pipsweep.txt against the README's Output section and the test summary.
# Needs root. The mirror is the one the machine's own apt sources name.
set -euo pipefail
cd "$(dirname "$0")/.."
. .ci/lib.sh
repo=$(pwd)
SECONDS=0

need_command debootstrap
need_command git
need_path /usr/share/keyrings/debian-archive-keyring.gpg debian-archive-keyring
install_missing

# The Debian archive among the machine's apt sources: a deb source whose
# path ends in /debian with a release suite (not -updates or -security).
debian_mirror() {
  local sources=(/etc/apt/sources.list.d/*.sources)
  if [ -f "${sources[0]}" ]; then
    awk 'BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; uris = ""; suites = ""
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = $i
          else if ($i ~ /^URIs:/) uris = $i
          else if ($i ~ /^Suites:/) suites = $i
        }
        if (types !~ /[ \t]deb([ \t]|$)/ || suites !~ /:[ \t]*([^ \t]+[ \t]+)*[a-z]+([ \t]|$)/) next
        n = split(uris, uri, /[ \t]+/)
        for (j = 2; j <= n; j++) if (uri[j] ~ /\/debian\/?$/) { print uri[j]; exit }
      }' "${sources[@]}"
  fi
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
    sed -nE 's,^deb[ \t]+(\[[^]]*\][ \t]+)?([a-z]+://[^ \t]*/debian/?)[ \t]+[a-z]+[ \t].*,\2,p'
}
mirror=$(debian_mirror | head -n 1) || true
[ -n "$mirror" ] || fail "no Debian archive among the apt sources"

# The Quick start block: the two commands, verbatim.
mapfile -t commands < <(awk '/^## Quick start/ { q = 1 }
  q && /^```sh$/ { b = 1; next }
  b && /^```$/ { exit }
  b' README.md)
[ "${#commands[@]}" -eq 2 ] || fail "README's Quick start has ${#commands[@]} commands, not 2"

work=$(mktemp -d /tmp/pipsweep-bare-XXXXXX)
cleanup() {
  local proc
  for proc in "$work"/*/proc; do
    if mountpoint -q "$proc"; then umount "$proc" || umount -l "$proc"; fi
  done
  # Never remove a tree with something still mounted in it.
  for proc in "$work"/*/proc; do
    if mountpoint -q "$proc"; then return; fi
  done
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

echo "bare: debootstrap bookworm (minbase, git, sudo)"
debootstrap --variant=minbase --include=git,sudo bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 30 "$work/debootstrap.log"; fail "debootstrap"; }
cp /etc/resolv.conf "$work/base/etc/resolv.conf"
echo "bare: system made after ${SECONDS}s"

# Each command gets a bare system of its own and a fresh checkout, so that
# each is shown to work by itself.
head=$(git rev-parse HEAD)
for i in 0 1; do
  root="$work/system-$i"
  cp -a "$work/base" "$root"
  git clone -q --no-hardlinks "$repo" "$root/root/pipsweep"
  git -C "$root/root/pipsweep" checkout -q "$head"
  mount -t proc proc "$root/proc"
  echo "bare: ${commands[$i]}"
  chroot "$root" env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /root/pipsweep && ${commands[$i]}" >"$work/run-$i.log" 2>&1 ||
    { tail -n 40 "$work/run-$i.log"; fail "Quick start command $((i + 1))"; }
  umount "$root/proc"
  echo "bare: command $((i + 1)) done after ${SECONDS}s"
done

# The example's output: the README's first lines, then all 32 boards.
output="$work/system-0/root/pipsweep/_pipsweep.txt"
[ -f "$output" ] || fail "no _pipsweep.txt after the first command"
readme_lines=$(awk '/^## Output/ { o = 1 } o && /^```$/ { if (b) exit; b = 1; next } b' README.md)
[ "$(head -n "$(wc -l <<<"$readme_lines")" "$output")" = "$readme_lines" ] ||
  fail "_pipsweep.txt does not start as README's Output shows"
boards=$(grep -c '^Board ' "$output")
lines=$(grep -cE '^( [TRDL]{3} [TRDL]{3} [TRDL]{3} [TRDL]{3} [TRDL]){4}$' "$output")
if [ "$boards" -ne 32 ] || [ "$lines" -ne 32 ]; then
  fail "_pipsweep.txt: $boards boards, $lines deal lines, not 32"
fi
echo "ok: the example's _pipsweep.txt starts as the README shows and holds 32 deals"

summary=$(grep -E '^100% tests passed, 0 tests failed out of [1-9][0-9]*$' "$work/run-1.log") ||
  { tail -n 20 "$work/run-1.log"; fail "no clean test summary"; }
echo "ok: $summary"
echo "bare: both Quick start commands pass on a bare Debian 12 in ${SECONDS}s"
