#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as a Release
# build (with the benchmarks), once with the default build type under
# AddressSanitizer and UBSan. Warnings are errors in both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release -DTOLVAR_WERROR=ON -DTOLVAR_BENCHMARKS=ON
(cd build-release && ctest --output-on-failure -j "$(nproc)")

scripts/build.sh build-asan -DTOLVAR_WERROR=ON -DTOLVAR_SANITIZE=ON -DTOLVAR_BENCHMARKS=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$(nproc)")
