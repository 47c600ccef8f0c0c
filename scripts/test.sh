#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as a normal
# build (with the benchmarks), once under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

scripts/build.sh build -DTOLVAR_WERROR=ON -DTOLVAR_BENCHMARKS=ON
(cd build && ctest --output-on-failure -j "$(nproc)")

scripts/build.sh build-asan -DTOLVAR_WERROR=ON -DTOLVAR_SANITIZE=ON -DTOLVAR_BENCHMARKS=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$(nproc)")
