#!/usr/bin/env bash
# Runs inside a virtual display: velkora-atelier opens its window, on the drawing named on its command line.
set -u
programme=$1
dessin=$2
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
TMPDIR=$(mktemp -d)
export TMPDIR XDG_DATA_HOME=$TMPDIR/donnees

"$programme" "$dessin" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$TMPDIR"' EXIT
nom=$(basename "$dessin")
for _ in $(seq 1 150); do
  if xwininfo -root -tree 2>/dev/null | grep -q "Atelier du professeur – $nom"; then
    kill -0 $pid || { echo "ÉCHEC : l'atelier s'est arrêté"; exit 1; }
    echo "L'atelier du professeur est apparu sur $nom."
    exit 0
  fi
  sleep 0.2
done
echo "ÉCHEC : la fenêtre de l'atelier n'est pas apparue sur $nom"
exit 1
