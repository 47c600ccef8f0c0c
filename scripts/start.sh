#!/usr/bin/env bash
# Installs what is missing, builds Tolvar and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tolvar tolvar-batch
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  cat >&2 <<'MSG'
Tolvar is built, but this machine has no display to open its windows on.
Use the batch driver instead, which runs the same commands headless, e.g.:

  build/src/ui/tolvar-batch cboHeight=2560 ediRandSeed=7 SetRandSeed1 Mountains1 Run1 dialog=map.hgt Save1

or start a virtual display first:  xvfb-run -s '-screen 0 1280x1024x24' scripts/start.sh
MSG
  exit 1
fi
exec build/src/ui/tolvar
