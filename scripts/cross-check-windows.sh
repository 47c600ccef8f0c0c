#!/usr/bin/env bash
# Runs the same batch-driver recipes through the Linux build and through
# tolvar-batch.exe in a Windows program folder (installed or unpacked, run
# under Wine) and compares, byte for byte, every file each run wrote (grids,
# history lines, exports), what it printed and its exit status. Windows'
# console turns "\n" into "\r\n"; that alone is forgiven.
#
#   scripts/cross-check-windows.sh LINUX_TOLVAR_BATCH WINDOWS_PROGRAM_FOLDER
set -euo pipefail
data=$(realpath "$(dirname "$0")/../tests/data")
linux=$(realpath "$1")
windows=$(realpath "$2")/tolvar-batch.exe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export WINEDEBUG=-all

seed() { echo "ediRandSeed=$1 SetRandSeed1"; }
# The maps the imports read: made once by the Linux build, and pictures
# other tools wrote.
fixtures="$(seed 11) Mountains1 Run1 Volcano1 dialog=map.hgt Save1 dialog=map.bmp SaveBitmap1
  dialog=map.png SaveBitmap1 dialog=map.r16 SaveBinaryFile1
  dialog=map.txt SaveTXTFile1 SessionLogging1 Smooth1 Meteor1 dialog=session.txt SaveSession1
  confirm=ok New1 Sculpt1 cboBrush=Raise ediRadius=30 drag=frmSculpt:40,50;200,220.5 history-out=history-sculpt.txt"

recipes=$(cat <<RECIPES
circle: $(seed 7) Circle1 Run1 grid=out.raw
circle-steep: $(seed -5) cboSteep=3 cboHeight=900 Circle1 Run1 grid=out.raw
mountains: $(seed 12345) Mountains1 Run1 grid=out.raw
mountains-distort: $(seed 99) cboDistort=3 cboMagnify=2 Mountains1 Run1 grid=out.raw
julia: $(seed 3) ediReal=-.692 ediImaginary=.4 Julia1 Run1 grid=out.raw
julia-points: $(seed 4) ediReal=0.285 ediImaginary=0.0113 ediIterations=5000 JuliaBrot1 Run1 grid=out.raw
mandelbrot: Mandelbrot1 Run1 grid=out.raw
mandelbrot-zoom: ediReal=-0.743643887037151 ediImaginary=0.131825904205330 cboMagnify=6 Mandelbrot1 Run1 grid=out.raw
mandel-high: ediIterations=300 MandelHigh1 Run1 grid=out.raw
smooth: $(seed 21) Circle1 Run1 Smooth1 Smooth1 grid=out.raw
meteor: $(seed 22) Circle1 Run1 Meteor1 LevelMeteor1 MeteorExplosive1 grid=out.raw
angled: $(seed 23) Mountains1 Run1 Angled1 grid=out.raw
volcano: $(seed 24) Circle1 Run1 Volcano1 grid=out.raw
earthquake: $(seed 25) Mountains1 Run1 Earthquake1 EarthQuake2 grid=out.raw
plateaus: $(seed 26) Mountains1 Run1 Plateaus1 grid=out.raw
canyon: $(seed 27) Mountains1 Run1 Canyon1 grid=out.raw
river: $(seed 28) Mountains1 Run1 River1 RiverLevel1 grid=out.raw
thermal: $(seed 29) cboSteep=2 ediIterations=20 Mountains1 Run1 Thermal1 grid=out.raw
rain-rivers: $(seed 30) cboSteep=5 ediIterations=3 Mountains1 Run1 RainRivers1 grid=out.raw
wind: $(seed 31) Mountains1 Run1 Wind1 grid=out.raw
flood: $(seed 32) ediSeaLevel=300 Mountains1 Run1 Flood1 grid=out.raw
lower: $(seed 33) ediSeaLevel=200 Mountains1 Run1 Lower1 grid=out.raw
boundary: $(seed 34) Mountains1 Run1 Boundary1 grid=out.raw
blend-dome-wall: $(seed 35) Mountains1 Run1 Blend1 Dome1 Wall1 grid=out.raw
invert-noise: $(seed 36) Circle1 Run1 Invert1 AddNoise1 grid=out.raw
reduce-increase: $(seed 37) Circle1 Run1 Reduce1 Increase1 IncreaseHeight1 grid=out.raw
reflect: $(seed 38) Mountains1 Run1 BottomToTop1 TopToBottom1 LeftToRight1 RightToLeft1 grid=out.raw
rotate: $(seed 39) Mountains1 Run1 RotLeft1 RotRight1 RotLeft1 grid=out.raw
shift: $(seed 40) ediShift=37 Mountains1 Run1 Left1 Up1 Right1 Down1 Down1 grid=out.raw
tile: $(seed 41) Mountains1 Run1 Rotate2 BottomToTop2 TopToBottom2 LeftToRight2 RightToLeft2 N1 grid=out.raw
combine: $(seed 42) Circle1 Run1 Store1 Mountains1 Run1 Add1 grid=a.raw Merge1 grid=b.raw MaxBlend1 grid=c.raw BlendMin1 grid=d.raw Subtract1 grid=e.raw
retrieve-undo: $(seed 43) Circle1 Run1 Store1 Smooth1 Retrieve1 grid=a.raw Meteor1 UndoZ1 grid=b.raw
map-info: $(seed 44) Mountains1 Run1 print=labMapInfo
open-hgt: dialog=map.hgt Open1 grid=out.raw
open-r16: dialog=map.r16 OpenBinaryFile1 grid=out.raw
open-bitmap: dialog=map.bmp OpenBitmap1 grid=out.raw
open-bitmap-averaged: dialog=map.bmp OpenBitmapAveraged1 grid=out.raw
open-bitmap-divided: dialog=map.bmp OpenBitmapDivided1 grid=out.raw
open-png-height: dialog=map.png OpenPngHeight1 grid=out.raw
open-bmp-rle: dialog=pal8rle.bmp OpenBitmap1 grid=out.raw
open-bmp-565: dialog=rgb16-565.bmp OpenBitmapAveraged1 grid=out.raw
open-png-gray16: dialog=gray16.png OpenPngHeight1 grid=out.raw
open-txt: cboSteep=2 dialog=map.txt OpenTXTFile1 grid=out.raw
save-hgt: $(seed 45) Julia1 Run1 dialog=out.hgt Save1
save-r16-png-bmp: $(seed 46) Mountains1 Run1 dialog=out.r16 SaveBinaryFile1 dialog=out.png SaveBitmap1 dialog=out.bmp SaveBitmap1
save-txt: $(seed 47) Mountains1 Run1 dialog=out.txt SaveTXTFile1
session-log: $(seed 48) SessionLogging1 ediReal=-.75 ediImaginary=.1 Julia1 Run1 Smooth1 Volcano1 history-out=history.txt
session-save: $(seed 49) SessionLogging1 Circle1 Run1 Meteor1 dialog=session-out.txt SaveSession1
session-rerun: confirm=ok dialog=session.txt OpenSession1 Rerun1 grid=out.raw history-out=history.txt
history-rerun: confirm=ok New1 history=session.txt Rerun1 grid=out.raw
sculpt: $(seed 50) SessionLogging1 Mountains1 Run1 Sculpt1 ediRadius=12 drag=frmSculpt:20.5,30.25;60,90.5;100.33,40 zoom=frmSculpt:250 cboBrush=Smooth drag=frmSculpt:200,200;150,210.07 cboBrush=Ramp ediHardness=100 drag=frmSculpt:30,200;90,90;240,31 grid=out.raw history-out=history.txt
sculpt-rerun: confirm=ok New1 history=history-sculpt.txt Rerun1 grid=out.raw
steps: $(seed 51) Mountains1 Run1 Smooth1 Volcano1 StepBack1 grid=a.raw StepForward1 grid=b.raw UndoZ1 grid=c.raw
typed-numbers: ediReal=1e-3 ediImaginary=-0.00000123456789012345678 print=ediReal print=ediImaginary
bad-number: cboHeight=abc confirm=ok New1
missing-file: dialog=no-such.hgt Open1
RECIPES
)

# run BINARY DIR STEPS...: runs one side, leaving out.stdout, out.stderr and
# out.status beside the files the run wrote.
run() {
  local binary=$1 dir=$2
  shift 2
  mkdir -p "$dir"
  cp "$work"/fixtures/* "$dir/"
  local status=0
  if [[ $binary == *.exe ]]; then
    (cd "$dir" && wine "$binary" "$@" >out.stdout 2>out.stderr) || status=$?
    sed -i 's/\r$//' "$dir/out.stdout" "$dir/out.stderr"
  else
    (cd "$dir" && "$binary" "$@" >out.stdout 2>out.stderr) || status=$?
  fi
  echo "$status" >"$dir/out.status"
}

mkdir -p "$work/fixtures"
cp "$data"/bmpsuite/g/{pal8rle,rgb16-565}.bmp "$data"/heights/gray16.png "$work/fixtures/"
# shellcheck disable=SC2086
(cd "$work/fixtures" && "$linux" $fixtures >/dev/null)

passed=0 failed=0
while IFS= read -r line; do
  name=${line%%:*}
  read -r -a steps <<<"${line#*:}"
  run "$linux" "$work/$name/linux" "${steps[@]}"
  run "$windows" "$work/$name/windows" "${steps[@]}"
  status=$(cat "$work/$name/linux/out.status")
  ((status == 0)) || echo "note: $name exits $status: $(head -n 1 "$work/$name/linux/out.stderr")"
  if diff -r "$work/$name/linux" "$work/$name/windows" >"$work/$name.diff"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "DIFFERS: $name"
    head -n 20 "$work/$name.diff"
  fi
done <<<"$recipes"
echo "cross-check: $passed passed, $failed failed"
((failed == 0))
