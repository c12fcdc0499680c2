#!/usr/bin/env bash
# Installs what is missing, builds, and starts Maltwise Calculator. On its
# first start the program makes its data database and a recipe database with
# sample recipes in the user's application data folder, and opens them.
set -euo pipefail
cd "$(dirname "$0")/.."

# The program is all windows: without a display Qt could only abort.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'EOF'
No display was found (DISPLAY and WAYLAND_DISPLAY are not set), so Maltwise
Calculator cannot show its windows. Start it from a desktop session, or on a
virtual display (Debian package xvfb):

    xvfb-run ./scripts/run.sh

To build without starting it: cmake --preset dev && cmake --build --preset dev
EOF
  exit 1
fi
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
exec build/dev/src/app/maltwise "$@"
