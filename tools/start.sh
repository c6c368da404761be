#!/bin/sh
# Builds the programs and starts the main job: a simulated keyboard attached
# as COM1, then the editor, tarvo-script. Closing the editor stops the
# simulated keyboard. The keyboard's flash is kept in the user's state folder,
# so what was written into it is still there at the next start.
#
# Without a display it runs the command-line demo instead: a new document made
# from the shipped template, the tool showing the document and the keyboard,
# an edited entry downloaded (with a backup and a verification) and the
# keyboard's tables imported back.
set -e
cd "$(dirname "$0")/.."
build=${TARVO_BUILD_DIR:-build}
cmake -S . -B "$build"
# Only the programs: the tests are built by tools/run-tests.sh.
cmake --build "$build" -j2 --target tarvo tarvo-kbdsim tarvo-script
bin=$build/bin
state_dir=${XDG_STATE_HOME:-$HOME/.local/state}/tarvo-script
flash=$state_dir/kbdsim.flash
# How long the simulated keyboard may take to open its pseudo-terminal.
sim_start_tenths=100

run_dir=$(mktemp -d)
sim_pid=
stop_simulator() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2> /dev/null || true
        wait "$sim_pid" 2> /dev/null || true
        sim_pid=
    fi
}
trap 'stop_simulator; rm -rf "$run_dir"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts the simulated keyboard and sets TARVO_COM1 to its link; ends the
# script with a message when it does not come up.
start_simulator() {
    mkdir -p "$state_dir"
    "$bin/tarvo-kbdsim" --link "$run_dir/COM1" --flash "$flash" > "$run_dir/sim.out" 2> "$run_dir/sim.err" &
    sim_pid=$!
    waited=0
    while [ ! -s "$run_dir/sim.out" ]; do
        if ! kill -0 "$sim_pid" 2> /dev/null || [ "$waited" -ge "$sim_start_tenths" ]; then
            echo "The simulated keyboard (tarvo-kbdsim) did not start; the editor is not started." >&2
            cat "$run_dir/sim.err" >&2
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    export TARVO_COM1="$run_dir/COM1"
    echo "Simulated keyboard on $(head -n1 "$run_dir/sim.out"), attached as COM1; its flash is $flash"
}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the command-line demo instead of the editor."
    work=${TARVO_DEMO_DIR:-$HOME/Tarvo Scripts}
    mkdir -p "$work"
    start_simulator
    "$bin/tarvo" new -o "$work/Demo.tvo" --force
    "$bin/tarvo" info "$work/Demo.tvo"
    "$bin/tarvo" query --port 1
    "$bin/tarvo" set-entry "$work/Demo.tvo" --table 0 --menu 81 --entry 1 --lines "DEMO|CAMERA 1|"
    rm -f "$work/Backup.tvo"
    "$bin/tarvo" download "$work/Demo.tvo" --port 1 --backup "$work/Backup.tvo" --verify
    "$bin/tarvo" import --port 1 -o "$work/Imported.tvo" --force
    # The edited entry, as the keyboard now holds it.
    "$bin/tarvo" info "$work/Imported.tvo" --menus | grep -m1 -A1 'menu 81:'
    exit 0
fi

start_simulator
"$bin/tarvo-script" "$@"
