#!/usr/bin/env bash
# Builds our default skin: draws its pictures (tools/skinart) into build/skin/src, copies the
# hand-written definition beside them and packs build/skin/Default.skin with skinpack.
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
log "wrote $OUT/Default.skin ($(wc -c <"$OUT/Default.skin") bytes)"
