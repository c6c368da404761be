#!/bin/sh
# Builds everything but the benchmarks with clang's address and
# undefined-behaviour sanitizers in build-asan (the editor and its widget tests
# included, offscreen; see tools/configure-sanitizer.sh) and runs every test;
# any sanitizer report fails the run. Leaks inside Qt and the system libraries
# it loads are listed in tools/lsan-suppressions.txt, each with its reason.
# With --plain: the normal optimised build in build/ (the benchmarks included)
# and every test there: a quicker loop while working, without the sanitizers.
# Further arguments go to ctest (-R, -E, -L ...).
set -e
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# For a compiler cache, where installed: paths are taken relative to the
# checkout so that another clone of it shares the cache, and precompiled
# headers are cached only when these are allowed to differ.
export CCACHE_BASEDIR="$(pwd)"
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

if [ "${1:-}" = --plain ]; then
  shift
  LAUNCHER=
  if command -v ccache >/dev/null 2>&1; then
    LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
  fi
  cmake -S . -B build -DTARVO_WERROR=ON $LAUNCHER
  cmake --build build -j2
  cd build
  ctest --output-on-failure -j2 --timeout 600 "$@"
  exit
fi

# Set for the build too: listing the tests runs the test programs.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(pwd)/tools/lsan-suppressions.txt:print_suppressions=0}
tools/configure-sanitizer.sh build-asan
cmake --build build-asan -j3
cd build-asan
# Three at a time on two cores: the tests that start the simulator mostly wait
# on its line time.
ctest --output-on-failure -j3 --timeout 900 "$@"
