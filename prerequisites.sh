#!/bin/sh
# Installs the Debian or Ubuntu packages that building Pipsweep and running
# its tests need, only those missing; does nothing when all are there.
# Uses apt-get as root, sudo apt-get otherwise.
set -eu

packages="cmake make g++ libgtest-dev"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null | grep -q '^ii'; then
    missing="$missing $package"
  fi
done
[ -n "$missing" ] || exit 0

echo "Installing the packages Pipsweep's build and tests need:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
else
  as_root="sudo"
fi
# No questions: this also runs where no one can answer them.
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update
# shellcheck disable=SC2086 # one word per package
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing </dev/null
