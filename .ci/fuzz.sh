#!/usr/bin/env bash
# CI: build the reader fuzz targets with clang and fuzz each for 30 seconds
# from its seed corpus; any crash, leak, timeout or broken invariant fails.
set -euo pipefail
cd "$(dirname "$0")/.."
. .ci/lib.sh

need_command cmake
need_command clang++ clang
need_path '/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' libclang-rt-14-dev
install_missing

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DPIPSWEEP_FUZZ=ON -DPIPSWEEP_WERROR=ON \
  -DPIPSWEEP_TESTS=OFF
cmake --build build-fuzz -j2
fuzz/run.sh 30 build-fuzz
