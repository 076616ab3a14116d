#!/usr/bin/env bash
# Installs what is missing, builds Ombrik and starts it. Its settings file is
# build/ombrik/window/ombrik.ini, beside the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target ombrik
exec ./build/ombrik/window/ombrik "$@"
