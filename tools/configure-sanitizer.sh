#!/bin/sh
# Configures the sanitizer build in build-asan (or $1): clang with the address
# and undefined-behaviour sanitizers, unoptimised, everything but the
# benchmarks, the fuzz targets included as libFuzzer programs. The tests
# (tools/run-tests.sh) and the fuzzing (tools/fuzz.sh) share its objects.
set -e
cd "$(dirname "$0")/.."
build=${1:-build-asan}
# A compiler cache, where installed, makes a second run on the same machine
# recompile only what changed (the callers set its CCACHE_ variables).
LAUNCHER=
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
fi
# A folder configured earlier with another compiler starts again: cmake
# cannot change the compiler of a configured build.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang++' "$build/CMakeCache.txt"; then
  rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
# TARVO_UNITY_BUILD=ON compiles each target's files in batches (CI does, for
# a cold build's time); unset leaves the folder's choice as it was.
UNITY=
if [ -n "${TARVO_UNITY_BUILD:-}" ]; then
  UNITY="-DCMAKE_UNITY_BUILD=$TARVO_UNITY_BUILD"
fi
# Unoptimised: compiles in a third of the time, and the reports are the same.
# lld links the large sanitized programs much faster than the default linker.
CC=clang CXX=clang++ cmake -S . -B "$build" -DTARVO_SANITIZE=ON -DTARVO_FUZZ=ON -DTARVO_WERROR=ON \
  -DTARVO_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld \
  -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_MODULE_LINKER_FLAGS=-fuse-ld=lld $LAUNCHER $UNITY
