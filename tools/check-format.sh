#!/bin/sh
# Fails, naming each place, when a C++ source of the repository differs from
# what clang-format makes of it (.clang-format). With --fix: formats them.
# One clang-format per core, each given many files (a process a file costs
# more than the formatting).
set -e
cd "$(dirname "$0")/.."
if [ "${1:-}" = --fix ]; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 -P2 -n32 clang-format -i
  exit
fi
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 -P2 -n32 clang-format --dry-run --Werror; then
  echo "not formatted: see above (tools/check-format.sh --fix)"
  exit 1
fi
