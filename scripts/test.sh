#!/usr/bin/env bash
# Builds and runs every test. With QS_SANITIZE=1 it uses a separate build folder with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
if [ "${QS_SANITIZE:-0}" = 1 ]; then
  dir=build-asan
  extra=(-DQS_SANITIZE=ON -DQS_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build
  extra=()
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
cmake --build "$dir"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
