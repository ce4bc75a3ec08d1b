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
FUZZ_JOBS=1 "$ROOT/scripts/fuzz.sh" "$(awk -v s="$FUZZ_SECONDS" 'BEGIN { print s / 60 }')" ||
    failed=1

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
