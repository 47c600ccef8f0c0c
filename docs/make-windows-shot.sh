#!/usr/bin/env bash
# Remakes docs/shots/11-windows-wine.png: tolvar.exe from the Windows zip,
# under Wine on a virtual screen (Xvfb with openbox), opening a map at start
# and then the 3D View with Ctrl+3.
#
#   docs/make-windows-shot.sh   after scripts/build-windows.sh and scripts/test.sh
#
# Needs wine, xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in wine Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "make-windows-shot: $tool is missing" >&2; exit 1; }
done
zip=$(ls build-windows/tolvar-*-windows-x64.zip)
work=$(mktemp -d)
screen=${SHOTS_DISPLAY:-:92}
Xvfb "$screen" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$screen WINEDEBUG=-all
sleep 1
openbox >/dev/null 2>&1 &

unzip -q "$zip" -d "$work"
build-release/src/ui/tolvar-batch cboHeight=2560 ediRandSeed=7 SetRandSeed1 Mountains1 Run1 Volcano1 \
  "dialog=$work/map.hgt" Save1
# Wine keeps the programs it runs on the display its first one found.
wineserver -k 2>/dev/null || true
(cd "$work"/tolvar-*-windows-x64 && wine tolvar.exe "$(winepath -w "$work/map.hgt")" >/dev/null 2>&1 &)
xdotool search --sync --name "^Tolvar$" windowactivate --sync >/dev/null 2>&1
sleep 5
xdotool key ctrl+3
sleep 10
import -window root -crop 1180x780+0+0 +repage docs/shots/11-windows-wine.png
