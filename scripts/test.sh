#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the normal build first,
# then the game's tests again under AddressSanitizer and UndefinedBehaviorSanitizer. The
# sanitizer build takes the pictures and music the normal build drew (the art generator and its
# tests run once, in the normal build), leaves out the benchmarks and compiles its sources sixteen
# at a time (a unity build): a helper's name in an unnamed namespace must then be unique in its
# library or test program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in default asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
