#!/bin/sh
# Runs each fuzz target for SECONDS (default 60), JOBS of them at a time
# (default 1). Builds the fuzz targets in the sanitizer build, build-asan (or
# $TARVO_FUZZ_BUILD), configuring it first when needed: they share its
# objects with the tests. Seeds come from tests/fuzz/corpus/<target> and the
# regression inputs; what the fuzzer learns stays in the build folder. A
# finding stops that target, is kept in <build>/fuzz-findings/<target>/ and
# makes the script fail. Usage: tools/fuzz.sh [SECONDS] [TARGET...]
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-"template_parser document_file reply_parser iconic_font keyboard_font_filter"}
build=${TARVO_FUZZ_BUILD:-build-asan}
jobs=${JOBS:-1}
export CCACHE_BASEDIR="$(pwd)"
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

if ! grep -q '^TARVO_FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  tools/configure-sanitizer.sh "$build" >/dev/null
fi
set --
for t in $targets; do set -- "$@" "fuzz_$t"; done
cmake --build "$build" -j2 --target "$@"

run_one() {
  t=$1
  work="$build/fuzz-corpus/$t"
  findings="$build/fuzz-findings/$t"
  mkdir -p "$work" "$findings"
  regressions=tests/fuzz/regressions/$t
  [ -d "$regressions" ] || regressions=
  # -timeout: an input that takes this long counts as a hang.
  if "$build/bin/fuzz_$t" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$work" "tests/fuzz/corpus/$t" $regressions \
      >"$build/fuzz-$t.log" 2>&1; then
    verdict=ok
  else
    verdict=FINDING
  fi
  done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/fuzz-$t.log" | tail -1)
  cov=$(echo "$done_line" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
  ft=$(echo "$done_line" | sed -n 's/.*ft: \([0-9]*\).*/\1/p')
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-$t.log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$build/fuzz-$t.log")
  echo "$t: $verdict, ${seconds}s, ${runs:-?} runs, ${rate:-?} exec/s, cov ${cov:-?}, ft ${ft:-?} (log $build/fuzz-$t.log)"
  [ "$verdict" = ok ]
}

status=0
running=0
pids=
for t in $targets; do
  run_one "$t" &
  pids="$pids $!"
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    for p in $pids; do wait "$p" || status=1; done
    pids=
    running=0
  fi
done
for p in $pids; do wait "$p" || status=1; done
exit $status
