#!/usr/bin/env bash
# Builds everything and runs every test: once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then in the normal build (windows offscreen).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Sanitizer build (address, undefined)"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORANTE_SANITIZE=ON \
      -DVELMORANTE_GUI=OFF -DVELMORANTE_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

echo "== Normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

echo "== Debian package: build, install with the system's package tools, start"
(cd build && cpack -G DEB >/dev/null)
deb=$(ls -t build/velmorante_*.deb | head -1)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --reinstall "./$deb" >/dev/null
velmorante-cli list | grep "^frmbobine" >/dev/null  # (all of it: no broken pipe)
test -f /usr/share/man/man1/velmorante-cli.1.gz
test -f /usr/share/applications/velmorante.desktop
# the installed program starts offscreen and keeps running until it is stopped
rc=0
QT_QPA_PLATFORM=offscreen timeout 5 velmorante || rc=$?
if [ "$rc" -ne 124 ]; then
  echo "the installed velmorante stopped on its own (status $rc)" >&2
  exit 1
fi
echo "installed $deb: velmorante-cli and velmorante start"
