#!/usr/bin/env bash
# Builds the sample clock: draws its face and chime, packs build/sample/SampleClock.clk and,
# where a clock.exe was built, stamps it into build/sample/SampleClock.exe beside the design
# (and build/sample/win64/ for the 64-bit test build).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

NATIVE_BIN="$BUILD/native/bin"
SAMPLE="$BUILD/sample"
DESIGN_NAME="SampleClock.clk"

for tool in clockdesign sampleart; do
    if [ ! -x "$NATIVE_BIN/$tool" ]; then
        cmake -S "$ROOT" -B "$BUILD/native" >/dev/null
        cmake --build "$BUILD/native" -j "$JOBS" --target "$tool"
    fi
done

mkdir -p "$SAMPLE/src"
"$NATIVE_BIN/sampleart" "$SAMPLE/src"
cp "$ROOT/assets/sample/SampleClock.ini" "$SAMPLE/src/"
"$NATIVE_BIN/clockdesign" pack "$SAMPLE/src/SampleClock.ini" "$SAMPLE/$DESIGN_NAME"
log "sample design: $SAMPLE/$DESIGN_NAME"

if [ -f "$BUILD/win32/bin/clock.exe" ]; then
    "$NATIVE_BIN/clockdesign" stamp "$BUILD/win32/bin/clock.exe" "$DESIGN_NAME" \
        "$SAMPLE/SampleClock.exe"
    log "sample clock: $SAMPLE/SampleClock.exe"
fi
if [ -f "$BUILD/win64/bin/clock.exe" ]; then
    mkdir -p "$SAMPLE/win64"
    "$NATIVE_BIN/clockdesign" stamp "$BUILD/win64/bin/clock.exe" "$DESIGN_NAME" \
        "$SAMPLE/win64/SampleClock.exe"
    cp "$SAMPLE/$DESIGN_NAME" "$SAMPLE/win64/"
    log "sample clock (64-bit): $SAMPLE/win64/SampleClock.exe"
fi
