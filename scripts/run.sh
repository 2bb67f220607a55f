#!/usr/bin/env bash
# Installs what is missing, builds the editor and opens it on this display.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "ledfont-designer: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it from a desktop session or under Xvfb" >&2
  exit 1
fi
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDFONT_BUILD_TESTS=OFF -DLEDFONT_BUILD_BENCH=OFF >/dev/null
cmake --build build --target ledfont-designer -j"$(nproc)"
exec ./build/app/ledfont-designer
