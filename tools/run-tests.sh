#!/bin/sh
# Builds everything with warnings as errors and runs every test.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DTARVO_WERROR=ON
cmake --build build -j2
cd build
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest --output-on-failure -j2 --timeout 600
