#!/usr/bin/env bash
# Remakes the tutorial's pictures in docs/shots: one run of the batch driver
# makes the tutorial's first map step by step on a virtual screen (Xvfb with
# the openbox window manager) and takes a picture after each step.
#
#   docs/make-shots.sh                 builds build/ as scripts/start.sh does
#   TOLVAR_BATCH=build-release/src/ui/tolvar-batch docs/make-shots.sh
#
# Needs xvfb, openbox and imagemagick (apt-get install xvfb openbox imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in Xvfb openbox convert; do
  command -v "$tool" >/dev/null || { echo "make-shots: $tool is missing" >&2; exit 1; }
done
if [[ -z "${TOLVAR_BATCH:-}" ]]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j "$(nproc)" --target tolvar-batch
  TOLVAR_BATCH=build/src/ui/tolvar-batch
fi

shots=docs/shots
work=$(mktemp -d)
screen=${SHOTS_DISPLAY:-:91}
Xvfb "$screen" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
cleanup() {
  [[ -n "$wm" ]] && kill "$wm" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$screen
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

batch() { "$TOLVAR_BATCH" --on-screen "$@"; }

batch \
  cboHeight=2560 screen="$work/01.png" \
  Mountains1 ediRandSeed=2026 SetRandSeed1 Run1 screen="$work/02.png" \
  ediIterations=8 cboSteep=3 Thermal1 screen="$work/03.png" cboSteep=1 \
  Volcano1 River1 River1 screen="$work/04.png" \
  Toolbox1 tool=Meteor1 tool=UndoZ1 tool=Store1 RotLeft1 Merge1 screen="$work/05.png" \
  Wireframe2 Filled1 Contour1 N640 screen="$work/06.png" shot=frm1st:"$work/06-wing.png" \
  dialog="$work/first.hgt" Save1 shot=frmMapDisplay:"$work/07.png" \
  dialog="$work/first.png" SaveBitmap1 \
  ediSeaLevel=700 View3D1 orbit=frm3D:-60,15 shot=frm3D:"$work/10.png"

# Without dates, an unchanged picture is an unchanged file.
same=(-strip -define png:exclude-chunks=date,time)
# Pictures of part of the screen, in at most 256 colours to stay small.
crop() { convert "$work/$1.png" -crop "$2" +repage -colors 256 "${same[@]}" "PNG8:$shots/$3.png"; }
mkdir -p "$shots"
crop 01 160x420+0+0 01-start
crop 02 1016x740+0+0 02-diamond-square
crop 03 1016x740+0+0 03-erode
crop 04 1016x740+0+0 04-volcano-rivers
crop 05 1016x740+0+0 05-undo-copy-combine
crop 06 1024x768+0+0 06-filled-wireframe
convert "$work/06-wing.png" -colors 256 "${same[@]}" "PNG8:$shots/06-wing.png"
convert "$work/07.png" "${same[@]}" "PNG8:$shots/07-save.png"

# The saved file is only numbers; its size says which game maps it goes with.
size=$(stat -c %s "$work/first.hgt")
convert -background white -fill black -font DejaVu-Sans-Mono -pointsize 15 -bordercolor white -border 12 \
  label:"$ stat -c '%s %n' first.hgt\n$size first.hgt\n\n$size bytes = 256 x 256 heights of 2 bytes: a 2560 map" \
  "${same[@]}" "PNG8:$shots/08-game-folder.png"

convert "$work/first.png" -depth 8 "${same[@]}" "PNG8:$shots/09-png-export.png"
convert "$work/10.png" -colors 256 "${same[@]}" "PNG8:$shots/10-3d-view.png"
echo "make-shots: pictures in $shots"
