#!/usr/bin/env bash
# Installs what is missing, builds Korvel and starts it. Extra arguments go to Korvel
# (for example /VORKAL for the factory pages).
set -euo pipefail
cd "$(dirname "$0")/.."
pkgs=(qt6-base-dev libhidapi-dev libgtest-dev libgmock-dev cmake ninja-build pkg-config g++)
missing=()
for p in "${pkgs[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  sudo apt-get update && sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target korvel
exec ./build/korvel/window/korvel "$@"
