#!/usr/bin/env bash
# Builds our default skin: draws its pictures (tools/skinart) into build/skin/src, copies the
# hand-written definition beside them and packs build/skin/Default.skin with skinpack. Also
# draws the program's own pictures (icon, menu glyphs, tracks) into build/skin/program, which
# the Windows build links into clock.exe as resources.
# Needs the native build (build/native/bin/skinart and skinpack); builds it when missing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

BIN="$BUILD/native/bin"
OUT="$BUILD/skin"
if [ ! -x "$BIN/skinart" ] || [ ! -x "$BIN/skinpack" ]; then
    log "building skinart and skinpack"
    cmake -S "$ROOT" -B "$BUILD/native" >/dev/null
    cmake --build "$BUILD/native" -j "$JOBS" --target skinart skinpack
fi

rm -rf "$OUT/src"
mkdir -p "$OUT/src"
"$BIN/skinart" "$OUT/src"
cp "$ROOT/assets/skin/Default.ini" "$OUT/src/"
"$BIN/skinpack" pack "$OUT/src" "$OUT/Default.skin"
"$BIN/skinpack" check "$OUT/Default.skin" >/dev/null
# Replaced only when the skin changed: the Windows programs that carry it relink on a new one.
"$BIN/skinpack" stream "$OUT/Default.skin" "$OUT/SkinStream.bin.new"
if cmp -s "$OUT/SkinStream.bin.new" "$OUT/SkinStream.bin"; then
    rm "$OUT/SkinStream.bin.new"
else
    mv "$OUT/SkinStream.bin.new" "$OUT/SkinStream.bin"
fi
# The program's own pictures, likewise replaced one by one only when they changed.
rm -rf "$OUT/program.new"
"$BIN/skinart" --program "$OUT/program.new"
mkdir -p "$OUT/program"
for picture in "$OUT/program.new"/*; do
    name="$(basename "$picture")"
    cmp -s "$picture" "$OUT/program/$name" || mv "$picture" "$OUT/program/$name"
done
rm -rf "$OUT/program.new"
log "wrote $OUT/Default.skin ($(wc -c <"$OUT/Default.skin") bytes)"
