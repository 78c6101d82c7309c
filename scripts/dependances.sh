#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velkora need, when they are missing.
set -euo pipefail

paquets=(
  cmake g++ make ccache clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev
  libopencv-imgproc-dev libpoppler-qt6-dev qt6-image-formats-plugins pkg-config
  libbenchmark-dev
  xvfb xauth x11-utils fonts-dejavu-core
  dpkg-dev file lintian appstream desktop-file-utils
  clang libclang-rt-14-dev
)

manquants=()
for paquet in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$paquet")
done

if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation de : ${manquants[*]}"
  sudo_si_besoin=()
  [ "$(id -u)" -ne 0 ] && sudo_si_besoin=(sudo)
  "${sudo_si_besoin[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_si_besoin[@]}" apt-get install -y --no-install-recommends "${manquants[@]}"
fi
