#!/bin/sh
# Fails, naming each file, when a C++ source of the repository differs from
# what clang-format makes of it (.clang-format). With --fix: formats them.
set -e
cd "$(dirname "$0")/.."
status=0
for f in $(git ls-files '*.cpp' '*.h'); do
  if [ "${1:-}" = --fix ]; then
    clang-format -i "$f"
  elif ! clang-format "$f" | cmp -s - "$f"; then
    echo "not formatted: $f (tools/check-format.sh --fix)"
    status=1
  fi
done
exit $status
