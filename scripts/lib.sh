# Shared by build.sh, run.sh and test.sh: packages, the Wine flavour, Xvfb and the Wine prefix.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
JOBS="${JOBS:-$(nproc 2>/dev/null || echo 2)}"

log() { printf '== %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Every package the build, the tests and the run need; installed when missing.
PACKAGES=(cmake g++ clang libclang-rt-14-dev googletest
    wine wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64
    xvfb xauth x11-utils xdotool imagemagick liblhasa-dev lhasa fonts-wine zip unzip)
# 32-bit Wine runs the tests where the machine can execute 32-bit programs. Without it
# the tests run under 64-bit Wine (wine_flavour), so a failed install is not fatal: an
# i386 index that a mirror has not finished syncing leaves its libraries uninstallable.
OPTIONAL_PACKAGES=(wine32:i386)

ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    # The optional ones are tried only along with a real install, not again on every run.
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    # A mirror in mid-sync fails the update now and then; retry, and go on with what
    # indexes arrived, since the install below reports what is really missing.
    local try
    for try in 1 2 3; do
        $sudo apt-get update -qq && break
        log "apt-get update failed (try $try)"
        sleep 10
    done
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${OPTIONAL_PACKAGES[@]}" >/dev/null 2>&1 ||
        log "not installed: ${OPTIONAL_PACKAGES[*]} (the tests use 64-bit Wine)"
}

# The product is 32-bit (build/win32). Some sandboxes cannot execute 32-bit Linux programs,
# and so cannot start 32-bit Wine; there the Windows tests run a 64-bit build of the same
# sources (build/win64) under 64-bit Wine.
wine_flavour() {
    if [ -n "${WINE_FLAVOUR:-}" ]; then echo "$WINE_FLAVOUR"; return; fi
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

wine_cmd() {
    if [ "$(wine_flavour)" = win32 ]; then echo wine; else echo /usr/lib/wine/wine64; fi
}

wineserver_cmd() {
    if [ "$(wine_flavour)" = win32 ]; then echo wineserver; else echo /usr/lib/wine/wineserver64; fi
}

XVFB_PID=""
start_xvfb() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X${n}" ] && { export DISPLAY=":$n"; log "Xvfb on :$n"; return 0; }
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    die "could not start Xvfb"
}

stop_xvfb() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
}

# Our own prefix under build/, never ~/.wine; the DLL overrides stop the first start from
# trying to download Mono and Gecko.
setup_wine() {
    local flavour
    flavour="$(wine_flavour)"
    export WINEPREFIX="$BUILD/wineprefix-$flavour"
    export WINEARCH="$flavour"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating Wine prefix $WINEPREFIX"
        $(wine_cmd) wineboot -i >/dev/null 2>&1 || true
        # No window manager runs on our displays: Wine's own frames are drawn at once, and hiding
        # a framed window no longer waits for a manager that never answers.
        $(wine_cmd) reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
            </dev/null >/dev/null 2>&1 || true
    fi
    # Wine's own stand-ins for "Marlett" and "MS Sans Serif" (the alert's close glyph, dialogs).
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        cp -n /usr/share/wine/fonts/*.tt? "$fonts/" 2>/dev/null || true
    fi
    # Keep the server alive between test processes. Started here, detached from our output:
    # a server started by the first test would hold the test runner's pipe open.
    $(wineserver_cmd) -p </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && $(wineserver_cmd) -k >/dev/null 2>&1 || true
}
