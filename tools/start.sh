#!/bin/sh
# Builds the programs and starts the main job: a simulated keyboard attached
# as COM1, a new document made from the shipped template, the tool showing the
# document and the keyboard, an edited entry downloaded (with a backup and a
# verification) and the keyboard's tables imported back.
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
"$bin/tarvo" set-entry "$work/Demo.tvo" --table 0 --menu 81 --entry 1 --lines "DEMO|CAMERA 1|"
rm -f "$work/Backup.tvo"
"$bin/tarvo" download "$work/Demo.tvo" --port 1 --backup "$work/Backup.tvo" --verify
"$bin/tarvo" import --port 1 -o "$work/Imported.tvo" --force
# The edited entry, as the keyboard now holds it.
"$bin/tarvo" info "$work/Imported.tvo" --menus | grep -m1 -A1 'menu 81:'
