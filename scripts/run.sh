#!/usr/bin/env bash
# Sets up, builds and starts the program (it needs a desktop session: an X display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/plain -G Ninja > /dev/null
cmake --build build/plain -j "$(nproc)" --target zelvane
exec build/plain/zelvane "$@"
