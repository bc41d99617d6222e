#!/usr/bin/env bash
# Start-up to the main window on screen, with a store of N IP sets (default 1000).
# Needs Xvfb and xdotool; runs the built program from a copy in a temporary folder.
#   bench/startup.sh [BUILD_DIR] [N] [RUNS]
set -euo pipefail
build=${1:-build}; sets=${2:-1000}; runs=${3:-5}
dir=$(mktemp -d); trap 'kill $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT
cp "$build/bin/netvane" "$dir/"; mkdir "$dir/DataBase"
"$build/bin/netvane-db" create "$dir/DataBase/ipdb.ipdb"
{
  echo "BEGIN;"
  echo "INSERT INTO Connections (CONNECTIONNAME) VALUES ('Office LAN');"
  for i in $(seq 1 "$sets"); do
    echo "INSERT INTO IPSets (IPSET_NAME,IPADDRESS,SUBNETMASK,GATEWAY,DNS,DHCP,CONNECTION) VALUES ('Set $i','10.0.$((i/256%256)).$((i%256))','255.255.255.0','10.0.0.1','10.0.0.2',0,1);"
  done
  echo "COMMIT;"
} | sqlite3 "$dir/DataBase/ipdb.ipdb"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x900x24 >/dev/null 2>&1 & xvfb=$!
sleep 1
for r in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  # A runtime folder of its own: a Netvane window the user has open would take the start over.
  DISPLAY=$display XDG_RUNTIME_DIR=$dir "$dir/netvane" >/dev/null 2>&1 & pid=$!
  # Polled in a tight loop: xdotool's own --sync waits in half-second steps.
  until DISPLAY=$display xdotool search --onlyvisible --name '^Netvane Ver3$' >/dev/null 2>&1; do :; done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "run $r: $(( (end - start) / 1000000 )) ms to the window on screen with $sets IP sets"
done
