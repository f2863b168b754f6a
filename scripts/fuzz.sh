#!/usr/bin/env bash
# Builds the libFuzzer targets (Clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs them.
#   scripts/fuzz.sh                   every target for a short while (15 s each; FUZZ_SECONDS changes it)
#   scripts/fuzz.sh TARGET SECONDS    one target: part_data, part_list, dxf_part or id_sequence
# New inputs collect in build/fuzz/corpus/TARGET (the seeds in fuzz/corpus/TARGET stay as they are);
# a crash, hang (over 10 s on one input), leak or sanitizer report stops the run with the input saved
# in build/fuzz/artifacts/TARGET/ and a non-zero exit status. Extra libFuzzer flags: FUZZ_FLAGS.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/fuzz
targets=(part_data part_list dxf_part id_sequence)

if [ $# -gt 2 ] || { [ $# -ge 1 ] && [[ " ${targets[*]} " != *" ${1#fuzz_} "* ]]; }; then
    echo "usage: scripts/fuzz.sh [TARGET [SECONDS]]   TARGET: ${targets[*]}" >&2
    exit 2
fi

./scripts/install-deps.sh
compiler=$(command -v clang++ || command -v clang++-14)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
    -DORVANEST_FUZZ=ON -DORVANEST_WERROR=ON -DORVANEST_BUILD_TESTS=OFF -DORVANEST_BUILD_GUI=OFF \
    -DORVANEST_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build "$build" -j "${FUZZ_JOBS:-2}" --target "${targets[@]/#/fuzz_}"

run_target() {
    local target=$1 seconds=$2
    local corpus=$build/corpus/$target artifacts=$build/artifacts/$target log=$build/logs/$target.log
    local dict=$root/fuzz/dxf.dict
    [ -e "$root/fuzz/$target.dict" ] && dict=$root/fuzz/$target.dict
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    echo "== fuzz_$target for ${seconds} s"
    local status=0
    # shellcheck disable=SC2086
    "$build/fuzz/fuzz_$target" "$corpus" "$root/fuzz/corpus/$target" -dict="$dict" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=65536 \
        -artifact_prefix="$artifacts/" -print_final_stats=1 ${FUZZ_FLAGS:-} > "$log" 2>&1 || status=$?
    local executed speed
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    echo "   ${executed:-?} runs, ${speed:-?} runs/s, corpus $(find "$corpus" -type f | wc -l) inputs"
    if [ $status -ne 0 ]; then
        tail -n 60 "$log"
        echo "fuzz_$target failed (status $status); the input is in $artifacts/" >&2
    fi
    return $status
}

failed=0
if [ $# -ge 1 ]; then
    run_target "${1#fuzz_}" "${2:-60}" || failed=1
else
    for target in "${targets[@]}"; do
        run_target "$target" "${FUZZ_SECONDS:-15}" || failed=1
    done
fi
exit $failed
