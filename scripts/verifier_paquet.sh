#!/usr/bin/env bash
# Builds the Debian package from the ordinary build (build/) and checks it: what it holds, lintian
# without error, the AppStream file and the menu entry valid. Run as root, it also installs the
# package with apt, starts the installed velkora in a virtual display, then purges it and checks
# that nothing is left behind.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$racine/build
export LC_ALL=C.UTF-8

echec() { echo "ÉCHEC du paquet : $*" >&2; exit 1; }

# Inside the virtual display: the installed launcher must bring up the main window, for a user who
# cannot write the installation folder (nobody, when run as root).
if [ "${1:-}" = --fenetre ]; then
  export QT_QPA_PLATFORM=xcb TMPDIR
  TMPDIR=$(mktemp -d)
  utilisateur=()
  if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$TMPDIR"
    # The run's TMPDIR may be closed to other users: nobody's folder then goes in /tmp.
    if ! runuser -u nobody -- test -w "$TMPDIR"; then
      rm -rf "$TMPDIR"
      TMPDIR=$(mktemp -d -p /tmp)
      chown nobody "$TMPDIR"
    fi
    utilisateur=(runuser -u nobody -- env HOME="$TMPDIR" USER=nobody)
  fi
  "${utilisateur[@]}" velkora &
  pid=$!
  trap 'kill $pid 2>/dev/null; rm -rf "$TMPDIR"' EXIT
  for _ in $(seq 1 200); do
    xwininfo -root -tree 2>/dev/null | grep -q "Du plan technique au schéma cinématique" && exit 0
    kill -0 $pid 2>/dev/null || break
    sleep 0.2
  done
  echo "la fenêtre principale de velkora installé n'est pas apparue" >&2
  exit 1
fi

[ -x "$construction/velkora/velkora" ] || echec "construisez d'abord le programme (scripts/construire.sh)"
sortie=$construction/paquet
rm -rf "$sortie"
(cd "$construction" && cpack -G DEB -B "$sortie" >/dev/null) || echec "cpack n'a pas construit le paquet"
paquet=$(ls "$sortie"/velkora_*.deb)
echo "Paquet construit : $paquet"

contenu=$(dpkg-deb --contents "$paquet")
attendus=(
  ./opt/velkora/velkora ./opt/velkora/velkora-verifier ./opt/velkora/velkora-atelier
  ./opt/velkora/ressource/liaison/liaison.inf ./opt/velkora/ressource/SchemaCinematique/vide.bmp
  ./opt/velkora/sansmecanisme/schema_cinematique/condition.inf ./opt/velkora/etau.sch
  ./usr/share/applications/fr.velkora.Velkora.desktop ./usr/share/applications/fr.velkora.Atelier.desktop
  ./usr/share/metainfo/fr.velkora.Velkora.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/velkora.svg
  ./usr/share/doc/velkora/copyright ./usr/share/doc/velkora/changelog.gz ./usr/share/man/man1/velkora.1.gz
  ./usr/share/man/man1/velkora-atelier.1.gz
)
for cote in 16 22 24 32 48 64 128 256; do attendus+=("./usr/share/icons/hicolor/${cote}x${cote}/apps/velkora.png"); done
for chemin in "${attendus[@]}"; do
  grep -qE " $chemin( |$)" <<<"$contenu" || echec "$chemin manque au paquet"
done
grep -qE " ./usr/bin/velkora -> /opt/velkora/velkora$" <<<"$contenu" || echec "la commande velkora manque au paquet"
grep -qE " ./usr/bin/velkora-atelier -> /opt/velkora/velkora-atelier$" <<<"$contenu" ||
  echec "la commande velkora-atelier manque au paquet"

extrait=$(mktemp -d)
trap 'rm -rf "$extrait"' EXIT
dpkg-deb --extract "$paquet" "$extrait"
for entree in fr.velkora.Velkora fr.velkora.Atelier; do
  desktop-file-validate "$extrait/usr/share/applications/$entree.desktop" || echec "l'entrée du menu $entree n'est pas valide"
done
appstreamcli validate --no-net "$extrait/usr/share/metainfo/fr.velkora.Velkora.metainfo.xml" ||
  echec "la fiche AppStream n'est pas valide"
lintian --fail-on error "$paquet" || echec "lintian signale des erreurs"

if [ "$(id -u)" -ne 0 ]; then
  echo "Paquet vérifié (sans l'installer : il faut être root)."
  exit 0
fi
# The trial ends with a purge: a Velkora that the machine's users rely on is not replaced then taken away.
if dpkg-query -W -f='${Status}' velkora 2>/dev/null | grep -q 'install ok installed'; then
  echo "Paquet vérifié (sans l'installer : Velkora est déjà installé sur cette machine)."
  exit 0
fi

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$paquet" >/dev/null || echec "apt n'a pas installé le paquet"
[ "$(command -v velkora)" = /usr/bin/velkora ] || echec "la commande velkora n'est pas dans le PATH"
demarre=0
# -ac: the display takes the unprivileged user's program too.
xvfb-run -a -s "-screen 0 1280x1024x24 -ac" bash "$0" --fenetre || demarre=1
DEBIAN_FRONTEND=noninteractive apt-get purge -y -q velkora >/dev/null || echec "apt n'a pas retiré le paquet"
[ $demarre -eq 0 ] || echec "velkora installé ne démarre pas"
dpkg-query -W velkora >/dev/null 2>&1 && echec "le paquet est encore connu de dpkg après la purge"
for chemin in /opt/velkora /usr/bin/velkora /usr/bin/velkora-atelier /usr/share/applications/fr.velkora.Velkora.desktop \
  /usr/share/applications/fr.velkora.Atelier.desktop \
  /usr/share/metainfo/fr.velkora.Velkora.metainfo.xml /usr/share/doc/velkora \
  /usr/share/icons/hicolor/scalable/apps/velkora.svg /usr/share/man/man1/velkora.1.gz \
  /usr/share/man/man1/velkora-atelier.1.gz; do
  if [ -e "$chemin" ] || [ -L "$chemin" ]; then echec "$chemin reste après la purge"; fi
done
echo "Paquet vérifié : contenu, lintian, AppStream, entrée du menu ; installé, démarré puis purgé sans reste."
