#!/usr/bin/env bash
# CI: the unit tests once under AddressSanitizer + UndefinedBehaviorSanitizer
# (build-asan), then every fuzz target built with clang (build-fuzz), its corpus
# replayed and a short fresh run on top. Each step prints how long it took.
#   FUZZ_SECONDS   length of each fresh run (default 20)
#   SANITIZE_TESTS ctest -LE pattern of labels left out under the sanitizers (default none)
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-20}
SANITIZE_TESTS=${SANITIZE_TESTS:-}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
step_started=$SECONDS
step() {
    echo "== $1 (after $((SECONDS - step_started)) s)"
}

step "unit tests under ASan + UBSan"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja "${launcher[@]}" -DNETVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="-O1 $sanitize" -DCMAKE_C_FLAGS="-O1 $sanitize" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
cmake --build build-asan
exclude=()
[ -n "$SANITIZE_TESTS" ] && exclude=(-LE "$SANITIZE_TESTS")
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j2 --timeout 600 "${exclude[@]}"

step "fuzz targets"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja "${launcher[@]}" -DNETVANE_FUZZ=ON -DNETVANE_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz --target netvane_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# fuzz_one <corpus folder>: its corpus replayed, then a fresh run; everything it prints goes to its log.
fuzz_one() {
    local name target options
    name=$(basename "$1")
    target=build-fuzz/tests/fuzz/fuzz_$name
    options=(-artifact_prefix="$work/$name-" -print_final_stats=0)
    case $name in
        netsh_*) options+=(-dict=tests/fuzz/netsh.dict) ;;
        version_block) options+=(-dict=tests/fuzz/version_block.dict) ;;
        ipset_document) options+=(-dict=tests/fuzz/ipset_document.dict) ;;
        elevated_apply) options+=(-dict=tests/fuzz/elevated_apply.dict) ;;
    esac
    step "fuzz_$name: corpus replayed, then ${FUZZ_SECONDS} s fresh"
    "$target" "${options[@]}" -runs=0 "$1"
    # Fresh inputs go to a scratch copy: the corpus in the repository stays as it is.
    cp -r "$1" "$work/$name"
    "$target" "${options[@]}" -max_total_time="$FUZZ_SECONDS" "$work/$name"
}
# Each fuzzer uses one core: as many run at once as there are cores. Logs are shown in
# order, each when its run has ended; the first failure fails the step.
jobs=$(nproc)
running=() failed=0
finish_oldest() {
    local name=${running[0]}
    running=("${running[@]:1}")
    wait "${pids[$name]}" || { echo "== fuzz_$name failed" >>"$work/$name.log"; failed=1; }
    cat "$work/$name.log"
}
declare -A pids
for corpus in tests/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    (set -e; fuzz_one "$corpus") >"$work/$name.log" 2>&1 &
    pids[$name]=$!
    running+=("$name")
    [ ${#running[@]} -ge "$jobs" ] && finish_oldest
done
while [ ${#running[@]} -gt 0 ]; do finish_oldest; done
[ "$failed" -eq 0 ]
step "done"
