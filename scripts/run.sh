#!/usr/bin/env bash
# Builds what is needed and starts the sample clock under Wine.
# With an X display the clock runs there until you choose Exit from its menu. Without one, an
# Xvfb display of our own is started, the clock is shown, a screenshot is saved to
# build/screenshots/clock.png, and the clock is ended.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

"$ROOT/scripts/build.sh"

flavour="$(wine_flavour)"
if [ "$flavour" = win32 ]; then
    exe="$BUILD/sample/SampleClock.exe"
else
    exe="$BUILD/sample/win64/SampleClock.exe"
fi
[ -f "$exe" ] || die "the sample clock was not built: $exe"

headless=0
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    trap 'stop_wine; stop_xvfb' EXIT
    start_xvfb
fi
setup_wine

if [ "$headless" -eq 0 ]; then
    log "starting $exe on $DISPLAY"
    cd "$(dirname "$exe")"
    exec $(wine_cmd) "$exe"
fi

log "starting $exe on the virtual display $DISPLAY"
(cd "$(dirname "$exe")" && $(wine_cmd) "$exe" >/dev/null 2>&1) &
clock_pid=$!
shown=0
for _ in $(seq 1 150); do
    if xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1; then
        shown=1
        break
    fi
    kill -0 "$clock_pid" 2>/dev/null || break
    sleep 0.2
done
[ "$shown" -eq 1 ] || die "the clock window did not appear"
sleep 2  # let the first tick and the layered window settle
mkdir -p "$BUILD/screenshots"
import -window root "$BUILD/screenshots/clock.png"
log "screenshot saved to $BUILD/screenshots/clock.png"
stop_wine
wait "$clock_pid" 2>/dev/null || true
