#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test twice: a
# normal build, then a build under AddressSanitizer and UndefinedBehaviorSanitizer.
# Between the two it builds the Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside system libraries that are not ours (scripts/lsan.supp says which).
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"

echo "== build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDFONT_SANITIZE=OFF -DLEDFONT_WERROR=ON \
  -DLEDFONT_BUILD_GUI=ON -DLEDFONT_BUILD_TESTS=ON -DLEDFONT_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error --timeout 120 -j"$jobs"

echo "== benchmarks (one short pass, to show they run) =="
ran=0
for b in build/bench/bench_*; do
  [ -x "$b" ] || continue
  "$b" --benchmark_min_time=0.01 >/dev/null 2>&1
  ran=$((ran + 1))
done
[ "$ran" -gt 0 ] || { echo "no benchmark was built" >&2; exit 1; }
echo "$ran benchmarks ran"

echo "== Debian package =="
bash scripts/package-check.sh

echo "== build and test under ASan + UBSan =="
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DLEDFONT_SANITIZE=ON -DLEDFONT_WERROR=ON \
  -DLEDFONT_BUILD_GUI=ON -DLEDFONT_BUILD_TESTS=ON -DLEDFONT_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure --no-tests=error --timeout 300 -j"$jobs"
