#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and launches it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

dl_ensure_packages
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target detector-lab

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the window on; run it in a virtual one: xvfb-run -a -s '-screen 0 1024x768x24' ./run.sh" >&2
  exit 1
fi
exec build/ui/detector-lab "$@"
