#!/usr/bin/env bash
# Installs what is missing, builds, and starts Maltwise Calculator. On its
# first start the program makes its data database and a recipe database with
# sample recipes in the user's application data folder, and opens them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
exec build/dev/src/app/maltwise "$@"
