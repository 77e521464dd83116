#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default --target provendo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "The program is built in build/bin/. To run it in a virtual display:" >&2
  echo "  xvfb-run -a build/bin/provendo" >&2
  exit 2
fi
exec build/bin/provendo
