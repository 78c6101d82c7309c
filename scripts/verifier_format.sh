#!/usr/bin/env bash
# Fails when a C++ file of the project departs from .clang-format; `clang-format -i FILE` mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' '*.inc'
else
  find src tests tools bench fuzz -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.inc' \) -print0 2>/dev/null
fi | xargs -0 clang-format --dry-run --Werror
echo "Format du code : conforme à .clang-format."
