#!/bin/bash
# Soak of the command-line tool against the keyboard simulator on a
# pseudo-terminal: COUNT sessions (default 20), each a `tarvo query` with a
# fault (each kind in turn, its frame number drawn from a fixed seed), then a
# clean query on the same line, which must succeed (the faulty session left
# the port free and the keyboard usable). Checks each end code and that no
# tarvo process or descriptor on the terminal is left behind.
# Usage: tools/soak_sim.sh [COUNT] [BUILD_DIR]
set -u
cd "$(dirname "$0")/.."
count=${1:-20}
build=${2:-build}
tarvo=$build/bin/tarvo
sim=$build/bin/tarvo-kbdsim
for program in "$tarvo" "$sim"; do
  [ -x "$program" ] || { echo "soak: $program is not built" >&2; exit 2; }
done

work=$(mktemp -d /tmp/tarvo-soak-XXXXXX)
export XDG_CONFIG_HOME=$work/config # the speeds the tool remembers stay here
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Fault, the exit status it calls for (0 success, 3 no answer, 4 refused or
# answered wrongly), and that of the clean query after it: a keyboard that
# stopped answering stays silent.
faults=(
  "none 0 0"
  "drop:T0:N 3 0"
  "drop:T7:1 3 0"
  "corrupt:T0:N 4 0"
  "corrupt:T7:1 4 0"
  "late:T0:N:2000 0 0"
  "late:T0:N:9000 3 0"
  "stop:N 3 3"
)
RANDOM=20251208
passed=0
failed=0
for ((i = 1; i <= count; i++)); do
  pick=${faults[(i - 1) % ${#faults[@]}]} # every kind in turn, N from the seed
  n=$((1 + RANDOM % 30))
  read -r spec expected expected_after <<<"$pick"
  spec=${spec//N/$n}
  link=$work/kbd$i
  fault_args=()
  [ "$spec" != none ] && fault_args=(--fault "$spec")
  "$sim" --link "$link" --flash "$work/flash$i" "${fault_args[@]}" >"$work/sim$i.log" 2>&1 &
  sim_pid=$!
  for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.1; done

  start=$(date +%s)
  "$tarvo" query --port "$link" --quiet >"$work/query$i.log" 2>&1
  got=$?
  "$tarvo" query --port "$link" --quiet >"$work/again$i.log" 2>&1
  again=$?
  secs=$(($(date +%s) - start))
  pty=$(readlink -f "$link")
  # Descriptors on the terminal held by anyone but the simulator itself.
  holders=0
  for fd_dir in /proc/[0-9]*/fd; do
    [ "$fd_dir" = "/proc/$sim_pid/fd" ] && continue
    ls -l "$fd_dir" 2>/dev/null | grep -q -- "-> $pty\$" && holders=$((holders + 1))
  done
  lingering=$(pgrep -f -- "--port $link" | wc -l)
  kill "$sim_pid" 2>/dev/null
  wait "$sim_pid" 2>/dev/null
  sim_pid=

  verdict=ok
  [ "$got" = "$expected" ] || verdict="FAIL: exit $got, expected $expected"
  [ "$again" = "$expected_after" ] || verdict="FAIL: the query after it exited $again"
  [ "$holders" = 0 ] || verdict="FAIL: $holders descriptors still open on $pty"
  [ "$lingering" = 0 ] || verdict="FAIL: a tarvo process is left"
  if [ "$verdict" = ok ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
  printf '%2d  %-16s exit %s (expected %s), then %s, %ss  %s\n' "$i" "$spec" "$got" "$expected" "$again" "$secs" "$verdict"
  [ "$verdict" = ok ] || sed 's/^/    /' "$work/query$i.log" "$work/again$i.log"
done
echo "soak: $passed passed, $failed failed of $count"
[ "$failed" = 0 ]
