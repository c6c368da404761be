#!/bin/sh
# Builds the programs and starts the main job: a simulated keyboard attached
# as COM1, a new document made from the shipped template, and the tool showing
# the document and the keyboard.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build
cmake --build build -j2
bin=build/bin
work=${TARVO_DEMO_DIR:-$HOME/Tarvo Scripts}
mkdir -p "$work"
run_dir=$(mktemp -d)
trap 'kill $sim_pid 2>/dev/null; wait $sim_pid 2>/dev/null; rm -rf "$run_dir"' EXIT INT TERM

# The simulated keyboard keeps its flash next to the documents.
"$bin/tarvo-kbdsim" --link "$run_dir/COM1" --flash "$work/kbdsim.flash" > "$run_dir/sim.out" &
sim_pid=$!
while [ ! -s "$run_dir/sim.out" ]; do sleep 0.1; done
export TARVO_COM1="$run_dir/COM1"
echo "Simulated keyboard on $(head -n1 "$run_dir/sim.out"), attached as COM1"

"$bin/tarvo" new -o "$work/Demo.tvo" --force
"$bin/tarvo" info "$work/Demo.tvo"
"$bin/tarvo" query --port 1
