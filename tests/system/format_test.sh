#!/usr/bin/env bash
# The code keeps the repository's .clang-format: every C++ file git tracks, as clang-format would
# write it (tables that read better aligned by hand sit between "clang-format off" and "on").
# Usage: format_test.sh SOURCE_DIR
set -u
cd "$1" || exit 1
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed (scripts/install-deps.sh installs it)"
  exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tools tests bench fuzz pathkin -name '*.cpp' -o -name '*.h')
if clang-format --dry-run -Werror "${files[@]}"; then
  echo "format check passed: ${#files[@]} files"
else
  echo "FAIL: run clang-format -i on the files above"
  exit 1
fi
