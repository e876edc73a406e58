#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour sanitizers) and runs
# each for a number of executions or a time limit, whichever comes first, then prints per target
# the executions, the coverage reached and the findings. Findings are the inputs libFuzzer keeps
# in build-fuzz/fuzz/findings/<target>/; the corpus grows in build-fuzz/fuzz/corpus/<target>/.
#
#   bash tools/run-fuzzers.sh [-r RUNS] [-t SECONDS] [TARGET...]
#
# RUNS defaults to 10000000, SECONDS to 1800; without targets every fuzz/corpus/<target> runs,
# one after another and at low priority (nice 10).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ARVEX_FUZZ_BUILD_DIR:-$root/build-fuzz}"
runs=10000000
seconds=1800
while getopts "r:t:" option; do
    case "$option" in
    r) runs="$OPTARG" ;;
    t) seconds="$OPTARG" ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$root"/fuzz/corpus/*/; do
        targets+=("$(basename "$dir")")
    done
fi

"$root/tools/install-deps.sh" --fuzz
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON \
    -DARVEX_BUILD_TESTS=OFF -DARVEX_BUILD_BENCH=OFF \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# Qt's libraries keep a few allocations until exit; leaks of our own still count as findings.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

report=()
for target in "${targets[@]}"; do
    corpus="$build/fuzz/corpus/$target"
    findings="$build/fuzz/findings/$target"
    log="$build/fuzz/$target.log"
    mkdir -p "$corpus" "$findings"
    stamp="$build/fuzz/$target.started"
    touch "$stamp"
    echo "== $target: up to $runs executions or $seconds s (log: $log)"
    status=0
    nice -n 10 "$build/fuzz/$target" -runs="$runs" -max_total_time="$seconds" -timeout=25 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
    coverage="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)"
    found="$(find "$findings" -type f -newer "$stamp" | wc -l)"
    [ "$status" -eq 0 ] || found="$found (stopped with status $status, see the log)"
    report+=("$(printf '%-22s %12s %8s/s   %-22s findings: %s' "$target" "${executions:-?}" \
        "${rate:-?}" "${coverage:-cov: ?}" "$found")")
done

printf '\n%-22s %12s %10s   %-22s\n' target executions rate coverage
printf '%s\n' "${report[@]}"
