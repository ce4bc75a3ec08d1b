#!/usr/bin/env bash
# Installs what is missing, then builds every tree:
#   build/native  g++: core, tools, unit tests (tools in build/native/bin)
#   build/skin    the default skin (Default.skin, SkinStream.bin), made with the native tools
#   build/win32   mingw-w64 i686: clock.exe, tools as .exe, Windows tests (build/win32/bin)
#   build/win64   mingw-w64 x86_64: only where 32-bit Wine cannot run, for the Windows tests
#   build/sample  SampleClock.exe beside its design file
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages

configure() {  # dir, extra cmake arguments
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G "Unix Makefiles" "$@" >/dev/null
}

log "native build"
configure "$BUILD/native"
cmake --build "$BUILD/native" -j "$JOBS"

# Before the Windows trees: clock.exe carries the default skin from build/skin/SkinStream.bin.
"$ROOT/scripts/make_skin.sh"

log "win32 build"
configure "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-i686.cmake"
cmake --build "$BUILD/win32" -j "$JOBS"

if [ "$(wine_flavour)" = win64 ]; then
    log "win64 build (this machine cannot run 32-bit Wine)"
    configure "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-x86_64.cmake"
    cmake --build "$BUILD/win64" -j "$JOBS"
fi

if [ -x "$ROOT/scripts/make_sample.sh" ]; then
    "$ROOT/scripts/make_sample.sh"
fi
log "build done"
