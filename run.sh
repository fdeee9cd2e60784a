#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts Tavilo.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts_common.sh
install_missing
build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Aucun affichage n'est disponible. Pour lancer Tavilo sur un écran virtuel :"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' ./build/bin/tavilo"
  echo "puis, dans le même affichage, « import -window root capture.png » pour le voir."
  exit 0
fi
exec ./build/bin/tavilo
