#!/usr/bin/env bash
# Installs the Debian packages Tolvar needs to build, test and run, and the
# packages named as arguments.
#   scripts/install-deps.sh [PACKAGE...]
set -euo pipefail

packages=(
  build-essential cmake file
  qt6-base-dev
  libqt6opengl6-dev libgl1-mesa-dri libglx-mesa0
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth imagemagick openbox
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
