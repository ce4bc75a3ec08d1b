#!/usr/bin/env bash
# Builds the libFuzzer harnesses (build/fuzz, clang) and runs every one of them for MINUTES
# minutes (a decimal is fine: 0.25 is 15 s), FUZZ_JOBS at a time (default 2), each from its
# starting inputs in tests/fuzz/corpus/NAME plus what earlier runs found (build/fuzz/corpus/NAME).
# Prints one line per harness: executions, coverage, corpus, findings; the same table goes to
# build/fuzz/summary.txt (FUZZ_OUT names another tree). Exits non-zero when any harness found
# something.
#   scripts/fuzz.sh MINUTES [HARNESS...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

[ $# -ge 1 ] || die "usage: scripts/fuzz.sh MINUTES [HARNESS...]"
SECONDS_EACH="$(awk -v m="$1" 'BEGIN { s = int(m * 60 + 0.5); if (s < 1) s = 1; print s }')"
shift
FUZZ_JOBS="${FUZZ_JOBS:-2}"
OUT="${FUZZ_OUT:-$BUILD/fuzz}"  # a long run can have a tree of its own

cmake -S "$ROOT" -B "$OUT" -DBUILD_FUZZERS=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$OUT" -j "$JOBS" >/dev/null

harnesses=()
if [ $# -gt 0 ]; then
    for name in "$@"; do harnesses+=("$OUT/bin/${name%_fuzz}_fuzz"); done
else
    for fuzzer in "$OUT"/bin/*_fuzz; do [ -x "$fuzzer" ] && harnesses+=("$fuzzer"); done
fi

run_one() {  # fuzzer binary; writes $OUT/NAME.log and $OUT/NAME.status
    local fuzzer="$1" name corpus seeds start_args=()
    name="$(basename "$fuzzer")"
    corpus="$OUT/corpus/$name"
    seeds="$ROOT/tests/fuzz/corpus/${name%_fuzz}"
    mkdir -p "$corpus" "$OUT/findings/$name"
    [ -d "$seeds" ] && start_args=("$seeds")
    local status=0
    # A crash, leak, timeout or memory blow-up ends the run with a non-zero status and a file
    # under findings/.
    "$fuzzer" -max_total_time="$SECONDS_EACH" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$OUT/findings/$name/" \
        "$corpus" "${start_args[@]}" >"$OUT/$name.log" 2>&1 || status=$?
    echo "$status" >"$OUT/$name.status"
}

log "fuzzing ${#harnesses[@]} harnesses, ${SECONDS_EACH}s each, $FUZZ_JOBS at a time"
running=0
for fuzzer in "${harnesses[@]}"; do
    [ -x "$fuzzer" ] || die "no harness $fuzzer"
    run_one "$fuzzer" &
    running=$((running + 1))
    if [ "$running" -ge "$FUZZ_JOBS" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait || true

failed=0
{
    printf '%-22s %12s %8s %8s %8s %s\n' harness executions exec/s cov corpus findings
    for fuzzer in "${harnesses[@]}"; do
        name="$(basename "$fuzzer")"
        logf="$OUT/$name.log"
        # A run that died at once has no figures: "?" then, not an end of the table.
        execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$logf" | tail -1 || true)"
        rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$logf" | tail -1 || true)"
        cov="$( (grep -o 'cov: [0-9]*' "$logf" || true) | tail -1 | cut -d' ' -f2)"
        units="$(find "$OUT/corpus/$name" -type f | wc -l)"
        found="$(find "$OUT/findings/$name" -type f | wc -l)"
        status="$(cat "$OUT/$name.status")"
        if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then failed=1; fi
        printf '%-22s %12s %8s %8s %8s %s\n' "${name%_fuzz}" "${execs:-?}" "${rate:-?}" \
            "${cov:-?}" "$units" "$found (status $status)"
    done
} | tee "$OUT/summary.txt"

if [ "$failed" -ne 0 ]; then
    for fuzzer in "${harnesses[@]}"; do
        name="$(basename "$fuzzer")"
        [ "$(cat "$OUT/$name.status")" -eq 0 ] && continue
        log "$name failed (see $OUT/$name.log, $OUT/findings/$name/)"
        tail -n 30 "$OUT/$name.log" >&2
    done
    exit 1
fi
