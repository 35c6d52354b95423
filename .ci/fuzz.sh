#!/usr/bin/env bash
# CI: build the reader fuzz targets with clang and fuzz each for 30 seconds
# from its seed corpus; any crash, leak, timeout or broken invariant fails.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
command -v cmake >/dev/null 2>&1 || missing+=(cmake)
command -v clang++ >/dev/null 2>&1 || missing+=(clang)
compgen -G '/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null ||
  missing+=(libclang-rt-14-dev)
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DPIPSWEEP_FUZZ=ON -DPIPSWEEP_WERROR=ON \
  -DPIPSWEEP_TESTS=OFF
cmake --build build-fuzz -j2
fuzz/run.sh 30 build-fuzz
