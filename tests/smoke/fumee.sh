#!/usr/bin/env bash
# Runs inside a virtual display: the splash comes first, then the main window; a second copy ends at once.
set -u
programme=$1
# The titles are accented: the tools that read them back need a UTF-8 locale, whatever the caller's.
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
TMPDIR=$(mktemp -d)
export TMPDIR

fenetre_ouverte() { xwininfo -root -tree 2>/dev/null | grep -q "$1"; }

attendre() { # title, seconds
  for _ in $(seq 1 $(( $2 * 5 ))); do
    fenetre_ouverte "$1" && return 0
    sleep 0.2
  done
  return 1
}

"$programme" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$TMPDIR"' EXIT

attendre "Fenêtre d'ouverture" 20 || { echo "ÉCHEC : la fenêtre d'ouverture n'est pas apparue"; exit 1; }
attendre "Du plan technique au schéma cinématique" 30 || { echo "ÉCHEC : la fenêtre principale n'est pas apparue"; exit 1; }
kill -0 $pid || { echo "ÉCHEC : le programme s'est arrêté"; exit 1; }

timeout 10 "$programme"
code=$?
[ $code -eq 0 ] || { echo "ÉCHEC : une seconde copie a rendu $code au lieu de s'arrêter en silence"; exit 1; }

# A copy that crashed leaves its lock behind: the next start must not be blocked by it.
kill -9 $pid
wait $pid 2>/dev/null
for _ in $(seq 1 50); do fenetre_ouverte "Du plan technique" || break; sleep 0.2; done
"$programme" &
pid=$!
attendre "Fenêtre d'ouverture" 20 || { echo "ÉCHEC : après un arrêt brutal, le programme ne redémarre pas"; exit 1; }
attendre "Du plan technique au schéma cinématique" 30 || { echo "ÉCHEC : après un arrêt brutal, le programme ne redémarre pas"; exit 1; }

kill $pid
wait $pid 2>/dev/null
for _ in $(seq 1 50); do fenetre_ouverte "Du plan technique" || break; sleep 0.2; done

# A temporary folder where no lock can be made does not keep the program from starting.
touch "$TMPDIR/fichier"
TMPDIR="$TMPDIR/fichier/dossier" "$programme" &
pid=$!
attendre "Du plan technique au schéma cinématique" 30 || { echo "ÉCHEC : sans dossier temporaire utilisable, le programme ne démarre pas"; exit 1; }

echo "La fenêtre principale est apparue, une seconde copie s'est arrêtée, le programme redémarre après un arrêt brutal et démarre sans verrou possible."
