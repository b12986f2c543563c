#!/usr/bin/env bash
# Builds Corvane and runs every test. CORVANE_SANITIZE=ON builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in a folder of its own; CORVANE_WARNINGS_AS_ERRORS=ON fails the build
# on any compiler warning.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-packages.sh
sanitize="${CORVANE_SANITIZE:-OFF}"
warnings_as_errors="${CORVANE_WARNINGS_AS_ERRORS:-OFF}"
dir=build/tests
[ "$sanitize" = ON ] && dir=build/sanitize
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE="$sanitize" \
  -DCORVANE_WARNINGS_AS_ERRORS="$warnings_as_errors"
cmake --build "$dir"
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300
