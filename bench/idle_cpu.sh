#!/usr/bin/env bash
# CPU time and wake-ups of the running program over N idle seconds (default 60),
# started on the offscreen platform from a copy with an empty store.
#   bench/idle_cpu.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=${1:-build}; seconds=${2:-60}
dir=$(mktemp -d); trap 'kill $pid 2>/dev/null || true; rm -rf "$dir"' EXIT
cp "$build/bin/netvane" "$dir/"; mkdir "$dir/DataBase"
"$build/bin/netvane-db" create "$dir/DataBase/ipdb.ipdb"
QT_QPA_PLATFORM=offscreen "$dir/netvane" >/dev/null 2>&1 & pid=$!
sleep 5  # start-up done
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
switches() { cat /proc/"$pid"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
main_switches() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/task/$pid/status"; }
t0=$(ticks); s0=$(switches); m0=$(main_switches)
sleep "$seconds"
t1=$(ticks); s1=$(switches); m1=$(main_switches)
hz=$(getconf CLK_TCK)
echo "idle ${seconds} s: CPU $(( (t1 - t0) * 1000 / hz )) ms; wake-ups: GUI thread $((m1 - m0)), all threads $((s1 - s0))"
