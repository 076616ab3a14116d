#!/usr/bin/env bash
# Builds (warnings are errors) and runs the tests, each way in a build folder of its own:
#   ./scripts/test.sh                    every test, plain
#   QS_SANITIZE=1 ./scripts/test.sh       every test under AddressSanitizer (leaks fail too) and UBSan
#   QS_SANITIZE=thread ./scripts/test.sh  the HID layer's tests (the only threads) under
#                                         ThreadSanitizer; any report fails the run
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
target=()
case "${QS_SANITIZE:-0}" in
  1)
    dir=build-asan
    extra=(-DQS_SANITIZE=ON -DQS_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ;;
  thread)
    dir=build-tsan
    extra=(-DQS_SANITIZE_THREAD=ON -DQS_BUILD_BENCH=OFF)
    target=(--target hid_tests)
    export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
    ;;
  *)
    dir=build
    extra=()
    ;;
esac
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${extra[@]}"
cmake --build "$dir" "${target[@]}"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
