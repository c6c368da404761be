#!/bin/sh
# Builds everything with warnings as errors and runs every test.
# With --sanitize: builds the core's and the command-line tool's tests (and
# the programs they run) with the address and undefined-behaviour sanitizers
# in build-asan and runs them; any sanitizer report fails the run.
set -e
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

if [ "${1:-}" = --sanitize ]; then
  # Unoptimised: compiles in a third of the time, and the reports are the same.
  cmake -S . -B build-asan -DTARVO_SANITIZE=ON -DTARVO_WERROR=ON -DTARVO_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug
  cmake --build build-asan -j2 --target \
    tests_io tests_model tests_document tests_templates tests_serial tests_transfer \
    tests_transfer_soak tests_line_speed_settings tests_transfer_cli tests_export tests_download tests_cli \
    tests_transfer_commands fuzz_template_parser fuzz_document_file fuzz_reply_parser \
    fuzz_iconic_font fuzz_keyboard_font_filter tarvo tarvo-kbdsim
  cd build-asan
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
    ctest --output-on-failure -j2 --timeout 900
  exit
fi

cmake -S . -B build -DTARVO_WERROR=ON
cmake --build build -j2
cd build
ctest --output-on-failure -j2 --timeout 600
