#!/usr/bin/env bash
# Renders the program's windows into docs/screenshots/*.png without a
# display (offscreen platform), from an existing build.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
QT_QPA_PLATFORM=offscreen "$build/src/app/maltwise" --screenshots docs/screenshots
# At twice the size, as a high-resolution screen shows them: the main window
# and the recipe form's Ingredients page (hidpi-*.png).
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$build/src/app/maltwise" --screenshots docs/screenshots
