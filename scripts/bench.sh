#!/usr/bin/env bash
# Builds a Release build with the benchmarks and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZONIVO_BENCHMARKS=ON
cmake --build build-bench --target zonivo_benchmarks
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} build-bench/bench/zonivo_benchmarks "$@"
