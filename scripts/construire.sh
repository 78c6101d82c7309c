#!/usr/bin/env bash
# Builds Velkora with one of the presets of CMakePresets.json: ordinaire (build/, the default),
# sanitiseurs (build-sanitiseurs/) or fuzz (build-fuzz/).
# Usage: construire.sh [preset] [extra CMake options…]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-ordinaire}
shift || true
cd "$racine"
cmake --preset "$preset" "$@"
cmake --build --preset "$preset" -j"$(nproc)"
