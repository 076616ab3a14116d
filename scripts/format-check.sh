#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what the project's .clang-format makes of it
# (clang-format 14, Debian 12's). `clang-format -i FILE` mends a file it names.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
files=()
while IFS= read -r -d '' f; do files+=("$f"); done < <(git ls-files -z -- '*.cpp' '*.h')
if ! clang-format --dry-run -Werror "${files[@]}"; then
  echo "format-check: the files above are not laid out as .clang-format says; run clang-format -i on them" >&2
  exit 1
fi
echo "format-check: ${#files[@]} files laid out as .clang-format says"
