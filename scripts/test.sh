#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the build
# users get (with the benchmarks), once under AddressSanitizer and UBSan.
# Warnings are errors in both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

scripts/build.sh build-release -DTOLVAR_WERROR=ON -DTOLVAR_BENCHMARKS=ON
(cd build-release && ctest --output-on-failure -j "$(nproc)")

# At -O1 with line tables only, the sanitizer tree builds in two thirds of
# the time, and its reports still name file and line.
scripts/build.sh build-asan "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" -DTOLVAR_WERROR=ON -DTOLVAR_SANITIZE=ON \
  -DTOLVAR_BENCHMARKS=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$(nproc)")
