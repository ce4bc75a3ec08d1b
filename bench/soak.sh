#!/usr/bin/env bash
# The soak run under Wine on an Xvfb display of its own: ROUNDS openings and closings of each
# dialog, a message box and the popup menu, and ROUNDS popups (bench/win/soak_bench.cpp).
#   bench/soak.sh [ROUNDS]
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
rounds="${1:-500}"
flavour="$(wine_flavour)"
bench="$BUILD/$flavour/bin/soak_bench.exe"
cmake --build "$BUILD/$flavour" -j "$JOBS" --target soak_bench >/dev/null
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb
setup_wine
"$ROOT/scripts/wine_run.sh" "$bench" "$rounds"
