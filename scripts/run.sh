#!/usr/bin/env bash
# Installs what is missing, builds the editor and opens it on this display.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "ledfont-designer: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it from a desktop session or under Xvfb" >&2
  exit 1
fi
bash scripts/setup.sh
# A folder of its own, so the test build keeps its tests and benchmarks.
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDFONT_BUILD_GUI=ON -DLEDFONT_BUILD_TESTS=OFF -DLEDFONT_BUILD_BENCH=OFF >/dev/null
cmake --build build-run --target ledfont-designer -j"$(nproc)"
exec ./build-run/app/ledfont-designer
