#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velkora from the build tree (the program folder of the build).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/dependances.sh"
"$racine/scripts/construire.sh" ordinaire
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$racine/build/velkora/velkora"
fi
echo "Pas d'écran graphique : Velkora démarre dans un écran virtuel (Xvfb)."
exec xvfb-run -a -s "-screen 0 1600x1000x24" "$racine/build/velkora/velkora"
