#!/usr/bin/env bash
# Pictures of every window a user can open: starts the sample clock under Xvfb and Wine with
# two alarms (one due within two minutes), and a driver program opens the alarm popup, the
# clock, its menu with an item selected, the alarm list, the editor for each alarm type, the
# delete question and the about box one after another. Each is saved as
# build/screenshots/NAME.png. Takes about two minutes (the popup waits for its minute).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

flavour="$(wine_flavour)"
if [ "${SKIP_BUILD:-0}" != 1 ]; then
    "$ROOT/scripts/build.sh"
fi
bin="$BUILD/$flavour/bin"
if [ "$flavour" = win32 ]; then sample="$BUILD/sample"; else sample="$BUILD/sample/win64"; fi
[ -f "$sample/SampleClock.exe" ] || die "the sample clock was not built: $sample/SampleClock.exe"
[ -f "$bin/screenshot_driver.exe" ] || die "no $bin/screenshot_driver.exe"

out="$BUILD/screenshots"
run="$out/run"
rm -rf "$run"
mkdir -p "$run"
rm -f "$out"/*.png "$out"/*.shot
cp "$sample/SampleClock.exe" "$sample/SampleClock.clk" "$run/"

# A daily alarm at the next minute (two minutes away when this one is nearly over), and a
# weekly one, so that the list has rows and Delete asks its question.
offset=1
[ "$(date +%S)" -ge 50 ] && offset=2
due="$(date -d "+$offset minute" +%H:%M)"
"$BUILD/native/bin/alarmtool" add "$run/Alarm.sav" --type daily --time "$due" \
    --title "Tea time" --todo "Put the kettle on" >/dev/null
"$BUILD/native/bin/alarmtool" add "$run/Alarm.sav" --type weekly --time 07:30 \
    --weekday monday --title "Team meeting" --todo "Room 4" >/dev/null

trap 'stop_wine; stop_xvfb' EXIT
start_xvfb
setup_wine

log "starting the sample clock (alarm due at $due)"
(cd "$run" && $(wine_cmd) SampleClock.exe p >/dev/null 2>&1) &
clock_pid=$!
$(wine_cmd) "$bin/screenshot_driver.exe" "$(winepath -w "$out" 2>/dev/null || echo "Z:$out" | tr / '\\')" \
    >"$out/driver.log" 2>&1 &
driver_pid=$!

while kill -0 "$driver_pid" 2>/dev/null; do
    for shot in "$out"/*.shot; do
        [ -e "$shot" ] || continue
        name="$(basename "$shot" .shot)"
        read -r w h x y <"$shot"
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
        rm -f "$shot"
        log "saved $out/$name.png"
    done
    sleep 0.2
done
status=0
wait "$driver_pid" || status=$?
wait "$clock_pid" 2>/dev/null || true
[ "$status" -eq 0 ] || { cat "$out/driver.log" >&2; die "the driver failed"; }
log "pictures in $out"
