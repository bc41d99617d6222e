#!/usr/bin/env bash
# Start-up to the main window on screen, with a store of N IP sets (default 1000),
# against an empty Qt main window started the same way; runs alternate between the
# two, so both see the same machine load. Medians and their ratio at the end.
# Runs under a session bus as a desktop has one (--no-bus: without, as on a bare X server).
# Needs Xvfb, xdotool and dbus-run-session; runs the built programs from a temporary folder.
#   bench/startup.sh [--no-bus] [BUILD_DIR] [N] [RUNS]
set -euo pipefail
if [[ ${1:-} == --no-bus ]]; then shift
elif [[ -z ${NETVANE_STARTUP_BUS:-} ]]; then
  NETVANE_STARTUP_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
build=${1:-build}; sets=${2:-1000}; runs=${3:-11}
dir=$(mktemp -d); xvfb=
trap '[[ -n $xvfb ]] && kill $xvfb 2>/dev/null; rm -rf "$dir"' EXIT
cp "$build/bin/netvane" "$build/bench/bench_empty_window" "$dir/"; mkdir "$dir/DataBase"
"$build/bin/netvane-db" create "$dir/DataBase/ipdb.ipdb"
{
  echo "BEGIN;"
  echo "INSERT INTO Connections (CONNECTIONNAME) VALUES ('Office LAN');"
  for i in $(seq 1 "$sets"); do
    echo "INSERT INTO IPSets (IPSET_NAME,IPADDRESS,SUBNETMASK,GATEWAY,DNS,DHCP,CONNECTION) VALUES ('Set $i','10.0.$((i/256%256)).$((i%256))','255.255.255.0','10.0.0.1','10.0.0.2',0,1);"
  done
  echo "COMMIT;"
} | sqlite3 "$dir/DataBase/ipdb.ipdb"
# A display of its own, far from those others on this machine may be using.
for attempt in $(seq 1 20); do
  display=:$((300 + RANDOM % 600))
  [[ -e /tmp/.X11-unix/X${display#:} || -e /tmp/.X${display#:}-lock ]] && continue
  # -noreset: a server that resets whenever its last client goes refuses the next one for a moment.
  Xvfb "$display" -nolisten tcp -noreset -screen 0 1024x900x24 >/dev/null 2>&1 & xvfb=$!
  for _ in $(seq 1 40); do [[ -S /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.05; done
  kill -0 "$xvfb" 2>/dev/null && [[ -S /tmp/.X11-unix/X${display#:} ]] && break
  xvfb=
done
[[ -n $xvfb ]] || { echo "no display could be started" >&2; exit 1; }

# Milliseconds from start to the window named $2 being on screen.
time_to_window() {
  local start end pid
  start=$(date +%s%N)
  # A runtime folder of its own: a Netvane window the user has open would take the start over.
  DISPLAY=$display XDG_RUNTIME_DIR=$dir "$1" >/dev/null 2>"$dir/stderr" & pid=$!
  # Polled in a tight loop: xdotool's own --sync waits in half-second steps.
  until DISPLAY=$display xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended without showing its window:" >&2; cat "$dir/stderr" >&2; exit 1; }
  done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(( (end - start) / 1000000 ))
}
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

netvane=(); empty=()
for r in $(seq 1 "$runs"); do
  n=$(time_to_window "$dir/netvane" '^Netvane Ver3$'); netvane+=("$n")
  e=$(time_to_window "$dir/bench_empty_window" '^Empty Main Window$'); empty+=("$e")
  echo "run $r: netvane $n ms with $sets IP sets, empty main window $e ms"
done
mn=$(median "${netvane[@]}"); me=$(median "${empty[@]}")
bus=$([[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] && echo "with a session bus" || echo "without a session bus")
echo "median: netvane $mn ms, empty main window $me ms, ratio $(awk -v a="$mn" -v b="$me" 'BEGIN {printf "%.2f", a/b}') ($bus)"
