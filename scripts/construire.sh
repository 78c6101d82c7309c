#!/usr/bin/env bash
# Builds Velkora into a build folder (default: build/ at the top of the project).
# Usage: construire.sh [build folder] [extra CMake options…]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-$racine/build}
shift || true
cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$dossier" -j"$(nproc)"
