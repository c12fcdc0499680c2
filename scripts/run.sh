#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Until the main
# window lands this starts the command-line companion and shows its help.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
exec build/dev/src/app/maltwise-db "${@:-help}"
