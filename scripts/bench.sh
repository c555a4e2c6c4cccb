#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: the generation run on the reference
# document beside the speed of writing the same bytes, then the per-value figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVANE_UI=OFF -DZELVANE_TESTS=OFF > /dev/null
cmake --build build/bench -j "$(nproc)"
build/bench/bench/generation_bench
build/bench/bench/value_bench
