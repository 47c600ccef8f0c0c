#!/usr/bin/env bash
# Builds the Windows zip and setup program with warnings as errors, runs the
# Windows test suites under Wine, and checks the setup program in a fresh Wine
# prefix (scripts/test-windows-setup.sh), which compares the installed batch
# driver with the Linux build's (build-release, which scripts/test.sh makes).
set -euo pipefail
cd "$(dirname "$0")/.."

TOLVAR_WERROR=ON scripts/build-windows.sh

export WINEDEBUG=-all
# Wine's programs all draw on the display its first one found, so the suites
# start a fresh Wine under one Xvfb.
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c 'cd build-windows/tree && ctest --output-on-failure -j "$(nproc)" --timeout 600'

xvfb-run -a -s "-screen 0 1280x1024x24" \
  scripts/test-windows-setup.sh build-windows/tolvar-*-windows-x64-setup.exe build-release/src/ui/tolvar-batch
