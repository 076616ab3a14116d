#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, where they are missing.
set -euo pipefail
pkgs=(qt6-base-dev libhidapi-dev libgtest-dev libgmock-dev cmake ninja-build pkg-config g++ fonts-dejavu-core fonts-liberation clang-format xvfb xauth openbox)
missing=()
for p in "${pkgs[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=(); [ "$(id -u)" = 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
