#!/usr/bin/env bash
# Start-up with a store of N IP sets (default 1000) against an empty Qt main window
# started the same way; runs alternate between the two, so both see the same machine
# load. Each run is watched from outside (bench_window_probe): "shown" when the window
# is first on screen, "ready" at its last visible change before it stays still for
# QUIET_MS (default 1500), and the resident memory and CPU time then. Medians and ratios at
# the end. A window still busy looks settled too: QUIET_MS must outlast any pause in the
# start (4000 for 100,000 sets on a busy machine).
# Runs under a session bus as a desktop has one (--no-bus: without, as on a bare X server).
# Needs Xvfb and dbus-run-session (and Xlib at build time, for the probe); runs the built programs
# from a temporary folder.
#   bench/startup.sh [--no-bus] [BUILD_DIR] [N] [RUNS] [QUIET_MS] [CONNECTIONS]
# (the N sets name CONNECTIONS connections, one by default).
set -euo pipefail
if [[ ${1:-} == --no-bus ]]; then shift
elif [[ -z ${NETVANE_STARTUP_BUS:-} ]]; then
  NETVANE_STARTUP_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
build=${1:-build}; sets=${2:-1000}; runs=${3:-11}; quiet=${4:-1500}; connections=${5:-1}
dir=$(mktemp -d); xvfb=
trap '[[ -n $xvfb ]] && kill $xvfb 2>/dev/null; rm -rf "$dir"' EXIT
cp "$build/bin/netvane" "$build/bench/bench_empty_window" "$build/bench/bench_window_probe" "$dir/"; mkdir "$dir/DataBase"
"$build/bin/netvane-db" create "$dir/DataBase/ipdb.ipdb"
# Set i on connection i mod C ("Office LAN" when C is 1), address 10.0.(i/256 mod 256).(i mod 256).
sqlite3 "$dir/DataBase/ipdb.ipdb" <<SQL
BEGIN;
WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM c WHERE i < $connections)
  INSERT INTO Connections (CONNECTIONNAME) SELECT CASE WHEN $connections = 1 THEN 'Office LAN' ELSE 'Connection ' || i END FROM c;
WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < $sets)
  INSERT INTO IPSets (IPSET_NAME,IPADDRESS,SUBNETMASK,GATEWAY,DNS,DHCP,CONNECTION)
  SELECT 'Set ' || i, '10.0.' || (i / 256 % 256) || '.' || (i % 256), '255.255.255.0', '10.0.0.1', '10.0.0.2', 0,
         i % $connections + 1 FROM s;
COMMIT;
SQL
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

# "SHOWN_MS READY_MS RSS_KB CPU_MS" for a start of $1, whose window is named $2.
watch_start() {
  # A runtime folder of its own: a Netvane window the user has open would take the start over.
  DISPLAY=$display XDG_RUNTIME_DIR=$dir "$dir/bench_window_probe" "$2" "$quiet" $((quiet + 60000)) "$1" 2>"$dir/stderr" ||
    { echo "$1 did not show a window that settled:" >&2; cat "$dir/stderr" >&2; exit 1; }
}
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a/b}'; }

nshown=(); nready=(); nrss=(); ncpu=(); eshown=(); eready=(); erss=(); ecpu=()
for r in $(seq 1 "$runs"); do
  n=$(watch_start "$dir/netvane" 'Netvane Ver3'); read -r ns nr nm nc <<<"$n"
  e=$(watch_start "$dir/bench_empty_window" 'Empty Main Window'); read -r es er em ec <<<"$e"
  nshown+=("$ns"); nready+=("$nr"); nrss+=("$nm"); ncpu+=("$nc")
  eshown+=("$es"); eready+=("$er"); erss+=("$em"); ecpu+=("$ec")
  echo "run $r: netvane shown $ns ms, ready $nr ms, $((nm / 1024)) MB, $nc ms CPU with $sets IP sets;" \
       "empty main window shown $es ms, ready $er ms, $((em / 1024)) MB, $ec ms CPU"
done
bus=$([[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] && echo "with a session bus" || echo "without a session bus")
ms=$(median "${nshown[@]}"); es=$(median "${eshown[@]}")
mr=$(median "${nready[@]}"); er=$(median "${eready[@]}")
mm=$(median "${nrss[@]}"); em=$(median "${erss[@]}")
mc=$(median "${ncpu[@]}"); ec=$(median "${ecpu[@]}")
echo "median shown:    netvane $ms ms, empty main window $es ms, ratio $(ratio "$ms" "$es") ($bus)"
echo "median ready:    netvane $mr ms, empty main window $er ms, ratio $(ratio "$mr" "$er")"
echo "median resident: netvane $((mm / 1024)) MB, empty main window $((em / 1024)) MB, ratio $(ratio "$mm" "$em")"
echo "median CPU:      netvane $mc ms, empty main window $ec ms, ratio $(ratio "$mc" "$ec") (user + system, by the time it settled)"
