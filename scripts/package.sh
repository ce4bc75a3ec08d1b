#!/usr/bin/env bash
# Builds the release package for Windows users: build/dist/DeskClock-VERSION-win32.zip with the
# 32-bit sample clock and its design, the three tools, the sources of the sample design and of
# the default skin, and README.txt. VERSION is read from the VERSION file.
# Builds only what the package needs: the native tools that draw the sample and the skin, and
# the 32-bit programs.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

VERSION="$(head -n 1 "$ROOT/VERSION")"
[[ "$VERSION" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || die "VERSION must hold MAJOR.MINOR.PATCH"
NAME="DeskClock-$VERSION"
DIST="$BUILD/dist"
ZIP="$DIST/$NAME-win32.zip"
TOOLS=(clockdesign skinpack alarmtool)

ensure_packages

log "native tools for the sample and the skin"
cmake -S "$ROOT" -B "$BUILD/native" -G "Unix Makefiles" >/dev/null
cmake --build "$BUILD/native" -j "$JOBS" --target clockdesign sampleart skinart skinpack
# clock.exe carries the default skin, so the skin comes before the Windows build.
"$ROOT/scripts/make_skin.sh"

log "32-bit programs"
cmake -S "$ROOT" -B "$BUILD/win32" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-i686.cmake" >/dev/null
cmake --build "$BUILD/win32" -j "$JOBS" --target clock "${TOOLS[@]}"
"$ROOT/scripts/make_sample.sh"

# Windows users open the texts with Notepad: CR LF line ends.
crlf() {  # source, target
    sed -e 's/\r$//' -e 's/$/\r/' "$1" >"$2"
}

STAGE="$DIST/stage"
rm -rf "$STAGE" "$ZIP"
mkdir -p "$STAGE/$NAME/sample" "$STAGE/$NAME/skin"
OUT="$STAGE/$NAME"

sed "s/@VERSION@/$VERSION/g" "$ROOT/assets/dist/README.txt" >"$STAGE/README.txt"
crlf "$STAGE/README.txt" "$OUT/README.txt"
rm "$STAGE/README.txt"

cp "$BUILD/sample/SampleClock.exe" "$BUILD/sample/SampleClock.clk" "$OUT/"
for tool in "${TOOLS[@]}"; do
    cp "$BUILD/win32/bin/$tool.exe" "$OUT/"
done

crlf "$ROOT/assets/sample/SampleClock.ini" "$OUT/sample/SampleClock.ini"
for file in "$BUILD"/sample/src/*; do
    [ "$(basename "$file")" = SampleClock.ini ] || cp "$file" "$OUT/sample/"
done
for file in "$BUILD"/skin/src/*; do
    case "$file" in
        *.ini) crlf "$file" "$OUT/skin/$(basename "$file")" ;;
        *) cp "$file" "$OUT/skin/" ;;
    esac
done

(cd "$STAGE" && zip -q -r -X "$ZIP" "$NAME")
rm -rf "$STAGE"
log "wrote $ZIP ($(wc -c <"$ZIP") bytes)"
