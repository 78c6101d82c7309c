#!/usr/bin/env bash
# Installs what is missing, builds what the program needs (the program, its data and mechanisms, the
# checker and the workshop beside it) and starts Velkora from the build tree. The tests and benchmarks are built by tester.sh.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/dependances.sh"
cd "$racine"
cmake --preset ordinaire
cmake --build --preset ordinaire -j"$(nproc)" --target velkora velkora-verifier velkora-atelier
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$racine/build/velkora/velkora"
fi
echo "Pas d'écran graphique : Velkora démarre dans un écran virtuel (Xvfb)."
exec xvfb-run -a -s "-screen 0 1600x1000x24" "$racine/build/velkora/velkora"
