#!/usr/bin/env bash
# Installs what is needed, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/Drovanta/Drovanta "$@"
