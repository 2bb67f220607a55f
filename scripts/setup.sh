#!/usr/bin/env bash
# Installs what the build, the editor, the tests and the package check need
# (the cross compilers and the emulator the composer's controller tests use),
# and nothing that is already there. Safe to run again. Needs root, or sudo,
# on Debian 12.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libgl1-mesa-dev fonts-dejavu-core
  libpng-dev libfreetype-dev libharfbuzz-dev fonts-lohit-deva
  libgtest-dev libgmock-dev libbenchmark-dev clang
  xvfb xdotool x11-utils libx11-dev imagemagick binutils srecord
  qt6-wayland
  dpkg-dev file lintian desktop-file-utils appstream
  gcc-arm-none-eabi libnewlib-arm-none-eabi gcc-avr avr-libc qemu-system-arm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
  echo "These packages are missing: ${missing[*]}" >&2
  echo "sudo is not installed, so they cannot be installed from here. As root, run:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  echo "then run this command again." >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
