#!/usr/bin/env bash
# Runs every suite: native unit tests with the check of the release zip, the fuzz run, then the
# Windows tests under Wine on an Xvfb display of our own. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

FUZZ_SECONDS="${FUZZ_SECONDS:-15}"
"$ROOT/scripts/build.sh"
# The release zip, which the native suite's package check opens.
"$ROOT/scripts/package.sh"

failed=0
log "native tests"
ctest --test-dir "$BUILD/native" --output-on-failure || failed=1

log "fuzz run (${FUZZ_SECONDS}s per harness)"
cmake -S "$ROOT" -B "$BUILD/fuzz" -DBUILD_FUZZERS=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$BUILD/fuzz" -j "$JOBS"
for fuzzer in "$BUILD"/fuzz/bin/*_fuzz; do
    [ -x "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"
    corpus="$BUILD/fuzz/corpus/$name"
    mkdir -p "$corpus"
    starting="$ROOT/tests/fuzz/corpus/${name%_fuzz}"
    start_args=()
    [ -d "$starting" ] && start_args=("$starting")
    if "$fuzzer" -max_total_time="$FUZZ_SECONDS" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=0 "$corpus" "${start_args[@]}" >"$BUILD/fuzz/$name.log" 2>&1; then
        log "fuzz $name: ok"
    else
        log "fuzz $name: FAILED (see $BUILD/fuzz/$name.log)"
        tail -n 40 "$BUILD/fuzz/$name.log" >&2
        failed=1
    fi
done

flavour="$(wine_flavour)"
log "Windows tests ($flavour) under Wine"
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb
setup_wine
ctest --test-dir "$BUILD/$flavour" --output-on-failure --timeout 900 || failed=1
stop_wine
stop_xvfb

if [ "$failed" -ne 0 ]; then
    log "FAILED"
    exit 1
fi
log "all suites passed"
