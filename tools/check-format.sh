#!/bin/sh
# Fails, naming each file, when a C++ source of the repository differs from
# what clang-format makes of it (.clang-format). With --fix: formats them.
# Two files at a time: one clang-format per core.
set -e
cd "$(dirname "$0")/.."
if [ "${1:-}" = --fix ]; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 -P2 -n16 clang-format -i
  exit
fi
git ls-files -z '*.cpp' '*.h' | xargs -0 -P2 -n1 sh -c \
  'clang-format "$1" | cmp -s - "$1" || { echo "not formatted: $1 (tools/check-format.sh --fix)"; exit 1; }' sh
