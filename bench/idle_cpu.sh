#!/usr/bin/env bash
# CPU time and wake-ups of the running program over N idle seconds (default 60),
# started on the offscreen platform from a copy with an empty store.
#   bench/idle_cpu.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=${1:-build}; seconds=${2:-60}
pid=""; dir=$(mktemp -d); trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
cp "$build/bin/netvane" "$dir/"; mkdir "$dir/DataBase"
"$build/bin/netvane-db" create "$dir/DataBase/ipdb.ipdb"
QT_QPA_PLATFORM=offscreen "$dir/netvane" >/dev/null 2>&1 & pid=$!
sleep 5  # start-up done
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
main_switches() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/task/$pid/status"; }
t0=$(ticks); m0=$(main_switches)
sleep "$seconds"
t1=$(ticks); m1=$(main_switches)
hz=$(getconf CLK_TCK)
# Wake-ups of the GUI thread, where every timer of the program runs: its voluntary context switches.
echo "idle ${seconds} s: CPU $(( (t1 - t0) * 1000 / hz )) ms; GUI thread wake-ups $((m1 - m0))"
