#!/usr/bin/env bash
# Builds Corvane with its sample Data.zip beside it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-packages.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF
cmake --build build/release
exec build/release/bin/Corvane
