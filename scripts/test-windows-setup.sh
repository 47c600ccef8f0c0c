#!/usr/bin/env bash
# Checks the Windows setup program in a fresh Wine prefix, as a user meets
# it: a silent install into Program Files, the installed batch driver against
# the Linux build (scripts/cross-check-windows.sh), the Start menu, the .hgt
# file type and the program it opens, and a silent uninstall from the Apps
# entry that leaves nothing of Tolvar's but the user's recovery copies and
# settings. Needs a display for the opened map (test-windows.sh runs it
# under xvfb-run).
#
#   scripts/test-windows-setup.sh SETUP_EXE LINUX_TOLVAR_BATCH
set -euo pipefail
setup=$(realpath "$1")
linux=$(realpath "$2")
scripts=$(dirname "$(realpath "$0")")

export WINEDEBUG=-all WINEPREFIX
# No Mono or Gecko downloads, and no menu entries or file types on the host.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

drive=$WINEPREFIX/drive_c
program="$drive/Program Files/Tolvar"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tolvar"
user_data="$drive/users/$(id -un)/AppData/Local/tolvar"
settings='HKCU\Software\Tolvar\tolvar'
apps='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvar'
failures=0
fail() {
  echo "FAILS: $*"
  failures=$((failures + 1))
}

# reg_value KEY [NAME]: the text of the value NAME, or of the key's default;
# nothing when there is no such value.
reg_value() {
  local which=(/ve)
  (($# == 2)) && which=(/v "$2")
  { wine reg query "$1" "${which[@]}" 2>/dev/null || true; } | tr -d '\r' | sed -nE 's/^ +.* +REG_SZ +(.*)/\1/p'
}

expect_value() { # KEY NAME-OR-EMPTY EXPECTED
  local got
  got=$(reg_value "$1" ${2:+"$2"})
  [[ $got == "$3" ]] || fail "$1 ${2:-(default)} is '$got', not '$3'"
}

# Its complaints are about the 32-bit half, which 64-bit Wine lacks.
wine wineboot --init >/dev/null 2>&1
wine "$setup" /S
wineserver -w

"$scripts/cross-check-windows.sh" "$linux" "$program" || fail "the installed tolvar-batch.exe differs from the Linux build"

for link in 'Tolvar.lnk|tolvar.exe' 'Tolvar tutorial.lnk|docs\TUTORIAL.html'; do
  target=${link#*|}
  if ! grep -qsaF "C:\\Program Files\\Tolvar\\$target" "$menu/${link%|*}" || [[ ! -f $program/${target//\\//} ]]; then
    fail "Start menu: ${link%|*} leads to no $target"
  fi
done

expect_value 'HKCR\.hgt' "" Tolvar.HeightMap
expect_value 'HKCR\Tolvar.HeightMap' "" "Battlezone height map"
expect_value 'HKCR\Tolvar.HeightMap\DefaultIcon' "" 'C:\Program Files\Tolvar\tolvar.exe,0'
expect_value 'HKCR\Tolvar.HeightMap\shell\open\command' "" '"C:\Program Files\Tolvar\tolvar.exe" "%1"'
expect_value "$apps" DisplayName Tolvar

# A double-click: the shell opens the file with the registered command, and
# Tolvar shows the map. The folder's and the file's spaces test the quotes.
maps="$drive/users/Public/My maps"
mkdir -p "$maps"
(cd "$maps" && "$linux" ediRandSeed=8 SetRandSeed1 Mountains1 Run1 "dialog=first map.hgt" Save1 >/dev/null)
wine start /unix "$maps/first map.hgt"
for _ in $(seq 60); do
  xwininfo -name "Overhead Map" 2>/dev/null | grep -q IsViewable && break
  sleep 1
done
xwininfo -name "Overhead Map" 2>/dev/null | grep -q IsViewable || fail "opening first map.hgt shows no map"
wineserver -k 2>/dev/null || true
wineserver -w

# What the user and other programs made is not the uninstaller's to remove.
mkdir -p "$user_data/recovery"
echo "a recovery copy" >"$user_data/recovery/tolvar-1-1.recovery"
wine reg add "$settings" /v geometry /d kept /f >/dev/null
wine reg add 'HKCR\.hgt' /v PerceivedType /d document /f >/dev/null

uninstall=$(reg_value "$apps" UninstallString)
wine "${uninstall//\"/}" /S
# The uninstaller runs on from a copy of itself, so that it can delete itself.
wineserver -w

left=$(find "$drive" -iname '*tolvar*' ! -path "$user_data*")
[[ -z $left ]] || fail "left after uninstalling: $left"
# The user's settings (the key and its subkeys, in whatever case Tolvar
# wrote them first) stay.
left=$(grep -i tolvar "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" |
  grep -viE '\[Software\\\\tolvar\\\\tolvar(\]|\\\\)' || true)
[[ -z $left ]] || fail "left in the registry after uninstalling: $left"
[[ -f $user_data/recovery/tolvar-1-1.recovery ]] || fail "the uninstaller removed the user's recovery copy"
[[ $(reg_value "$settings" geometry) == kept ]] || fail "the uninstaller removed the user's settings"
expect_value 'HKCR\.hgt' PerceivedType document

echo "setup: $failures failed"
((failures == 0))
