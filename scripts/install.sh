#!/usr/bin/env bash
# Builds the Debian package of the workbench and installs it with apt
# (velmorante, velmorante-cli, the menu entry, the icon, the manual page).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target velmorante velmorante-cli manual
(cd build && cpack -G DEB >/dev/null)
deb=$(ls -t build/velmorante_*.deb | head -1)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --reinstall "./$deb"
echo "installed $deb"
