#!/bin/sh
# Builds the programs and starts the main job.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build
cmake --build build -j2
build/bin/tarvo --version
