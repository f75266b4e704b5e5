#!/usr/bin/env bash
# Builds the desktop program and rzv as a plain release in build/, without the tests and
# benchmarks. Further arguments go to the build (for example `--target package`).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRZV_BUILD_TESTS=OFF \
      -DRZV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build -j"$(nproc)" "$@"
