#!/usr/bin/env bash
# Sets everything up, builds, and runs every test; then the tests once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets for a bounded time.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# Every test but the end-to-end run in an X server, the window's offscreen tests included.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVADELTO_SANITIZE=ON -DVADELTO_GUI=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE e2e

# The fuzz targets, each for a bounded time under AddressSanitizer and UBSan.
bash scripts/fuzz.sh 60
