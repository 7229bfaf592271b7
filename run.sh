#!/usr/bin/env bash
# Builds the workbench and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target velmorante
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Velmorante is built (build/app/velmorante), but there is no display to show its windows on." >&2
  echo "Run it from a graphical session, or try the headless driver: build/velmorante-cli list" >&2
  exit 1
fi
exec build/app/velmorante "$@"
