#!/usr/bin/env bash
# Start-up time, resident memory and CPU time over a period of running of the sample clock, side
# by side with a bare Win32 program (one window, a 1 s timer) under the same Wine.
#   bench/startup.sh [SECONDS] [RUNS]
# CPU is read twice: by the probe through Wine (10 ms steps, so a quiet program often reads 0)
# and from Linux with microsecond precision (the program's own process, and the Wine server,
# which does part of every program's window work).
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
seconds="${1:-60}"
runs="${2:-3}"
flavour="$(wine_flavour)"
bin="$BUILD/$flavour/bin"
cpu_tool="$BUILD/native/bin/process_cpu"
if [ "$flavour" = win32 ]; then clock="$BUILD/sample/SampleClock.exe"; else clock="$BUILD/sample/win64/SampleClock.exe"; fi
for f in "$bin/startup_probe.exe" "$bin/bare_window.exe" "$clock" "$cpu_tool"; do
    [ -f "$f" ] || die "missing $f (run scripts/build.sh)"
done
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb
setup_wine
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

# The Linux process whose command line starts with the Windows program `name`.
unix_pid() {
    local name="$1" p first
    for p in /proc/[0-9]*; do
        first="$( { tr '\0' '\n' < "$p/cmdline"; } 2>/dev/null | head -n 1)" || continue
        first="${first//\"/}"
        case "$first" in *"\\$name"|"$name") echo "${p#/proc/}"; return 0 ;; esac
    done
    return 1
}
cpu_ms() { "$cpu_tool" "$1" 2>/dev/null | awk '{ print $2 }'; }
server_pid() { pgrep -f "wineserver64? -p" | head -n 1; }

# One run of one program: prints "NAME start_ms=.. rss_kb=.. cpu_ms=.. linux_cpu_ms=.. server_cpu_ms=..".
measure() {
    local label="$1" program="$2" name out probe pid server c0 c1 s0 s1 line
    name="$(basename "$program")"
    out="$(mktemp)"
    $(wine_cmd) "$bin/startup_probe.exe" "$(winpath "$program")" "$seconds" > "$out" 2>/dev/null &
    probe=$!
    for _ in $(seq 1 300); do grep -q rss_kb "$out" && break; sleep 0.1; done
    pid="$(unix_pid "$name")" || die "cannot find the process of $name"
    server="$(server_pid)"
    c0="$(cpu_ms "$pid")"; s0="$(cpu_ms "$server")"
    sleep "$seconds"
    c1="$(cpu_ms "$pid")"; s1="$(cpu_ms "$server")"
    wait "$probe" || true
    line="$(tr -d '\r' < "$out" | tr '\n' ' ')"
    rm -f "$out"
    if [ -z "$c0" ] || [ -z "$c1" ] || [ -z "$s0" ] || [ -z "$s1" ]; then
        echo "$label run left out: a process ended before its CPU was read ($line)" >&2
        return 0
    fi
    awk -v l="$label $line" -v c0="$c0" -v c1="$c1" -v s0="$s0" -v s1="$s1" \
        'BEGIN { printf "%s linux_cpu_ms=%.3f server_cpu_ms=%.3f\n", l, c1 - c0, s1 - s0 }'
}

for i in $(seq 1 "$runs"); do
    # Alternate the two so that machine noise falls on both alike.
    measure bare "$bin/bare_window.exe"
    measure clock "$clock"
done | tee "$BUILD/startup_runs.txt" | awk -v seconds="$seconds" '
    { for (f = 2; f <= NF; ++f) if (split($f, kv, "=") == 2) v[$1, kv[1]] += kv[2]; n[$1]++ }
    function mean(k, key) { return v[k, key] / n[k] }
    function ratio(a, b) { return b > 0 ? sprintf("%.2f", a / b) : "n/a" }
    END {
      for (k in n)
        printf "%-5s mean start %.1f ms, rss %.0f KB, cpu over %d s: %.3f ms own + %.3f ms Wine server (Wine reports %.1f ms)\n", k, mean(k, "start_ms"), mean(k, "rss_kb"), seconds, mean(k, "linux_cpu_ms"), mean(k, "server_cpu_ms"), mean(k, "cpu_ms")
      if (n["bare"] && n["clock"]) {
        own = ratio(mean("clock", "linux_cpu_ms"), mean("bare", "linux_cpu_ms"))
        all = ratio(mean("clock", "linux_cpu_ms") + mean("clock", "server_cpu_ms"), mean("bare", "linux_cpu_ms") + mean("bare", "server_cpu_ms"))
        printf "ratios clock/bare: start %s, rss %s, cpu %s (own), %s (own + server)\n", ratio(mean("clock", "start_ms"), mean("bare", "start_ms")), ratio(mean("clock", "rss_kb"), mean("bare", "rss_kb")), own, all
      }
    }'
