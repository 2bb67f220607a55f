#!/usr/bin/env bash
# Installs what the build, the editor and the tests need, and nothing that is
# already there. Safe to run again. Needs root (or sudo) on Debian 12.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libgl1-mesa-dev fonts-dejavu-core
  libpng-dev libfreetype-dev libharfbuzz-dev fonts-lohit-deva
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick binutils srecord
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=(env DEBIAN_FRONTEND=noninteractive)
[ "$(id -u)" -eq 0 ] || as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
