#!/usr/bin/env bash
# Installs what building, running and testing Vadelto need on Debian 12, where missing.
set -euo pipefail

paquetes=(
  build-essential cmake ninja-build pkg-config
  libxml2-dev libxml2-utils libfmt-dev libgtest-dev libgmock-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev libxcb1-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth x11-utils x11-apps xdotool imagemagick dbus dbus-x11 at-spi2-core python3-pyatspi
  fp-compiler fp-units-fcl python3-dbfread
  clang libclang-rt-14-dev
)

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done

if ((${#faltan[@]})); then
  echo "Instalando: ${faltan[*]}"
  sudo_=""
  [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi
