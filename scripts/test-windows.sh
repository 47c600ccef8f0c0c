#!/usr/bin/env bash
# Builds the Windows zip with warnings as errors, runs the Windows test suites
# under Wine, and compares the batch driver from the unpacked zip with the
# Linux build's (build-release, which scripts/test.sh makes), recipe by recipe.
set -euo pipefail
cd "$(dirname "$0")/.."

TOLVAR_WERROR=ON scripts/build-windows.sh

export WINEDEBUG=-all
# Wine's programs all draw on the display its first one found, so the suites
# start a fresh Wine under one Xvfb.
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c 'cd build-windows/tree && ctest --output-on-failure -j "$(nproc)" --timeout 600'

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q build-windows/tolvar-*-windows-x64.zip -d "$unpacked"
scripts/cross-check-windows.sh build-release/src/ui/tolvar-batch "$unpacked"/tolvar-*-windows-x64/tolvar-batch.exe
