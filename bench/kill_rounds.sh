#!/usr/bin/env bash
# The kill test of the suite at length: alarmtool adds to a store of 5,000 alarms and is killed
# at a random moment, ROUNDS times (default 1,000). Prints the figures of the run.
#   bench/kill_rounds.sh [ROUNDS]
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"

ROUNDS="${1:-1000}"
cmake --build "$BUILD/native" -j "$JOBS" --target core_tests alarmtool >/dev/null
KILL_ROUNDS="$ROUNDS" "$BUILD/native/bin/core_tests" \
    --gtest_filter='AlarmToolKill.*' --gtest_brief=1 | grep -E '^kill rounds|FAILED|Failure' -A3
