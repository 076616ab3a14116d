#!/usr/bin/env bash
# Installs what is missing, builds Korvel and starts it. Extra arguments go to Korvel
# (for example /VORKAL for the factory pages).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target korvel
exec ./build/korvel/window/korvel "$@"
