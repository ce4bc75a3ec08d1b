#!/usr/bin/env bash
# Start-up time, CPU time over a period of running and resident memory of the sample clock,
# side by side with a bare Win32 program (one window, a 1 s timer) under the same Wine.
#   bench/startup.sh [SECONDS] [RUNS]
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
seconds="${1:-60}"
runs="${2:-3}"
flavour="$(wine_flavour)"
bin="$BUILD/$flavour/bin"
if [ "$flavour" = win32 ]; then clock="$BUILD/sample/SampleClock.exe"; else clock="$BUILD/sample/win64/SampleClock.exe"; fi
for f in "$bin/startup_probe.exe" "$bin/bare_window.exe" "$clock"; do
    [ -f "$f" ] || die "missing $f (run scripts/build.sh)"
done
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb
setup_wine
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
for i in $(seq 1 "$runs"); do
    # Alternate the two so that machine noise falls on both alike.
    printf 'bare  %s\n' "$($(wine_cmd) "$bin/startup_probe.exe" "$(winpath "$bin/bare_window.exe")" "$seconds")"
    printf 'clock %s\n' "$($(wine_cmd) "$bin/startup_probe.exe" "$(winpath "$clock")" "$seconds")"
done | tee "$BUILD/startup_runs.txt" | awk '
    { split($2, a, "="); split($3, b, "="); split($7, c, "=");
      n[$1]++; s[$1] += a[2]; cpu[$1] += b[2]; rss[$1] += c[2] }
    END {
      for (k in n) printf "%-5s mean start %.1f ms, cpu %.1f ms, rss %.0f KB\n", k, s[k]/n[k], cpu[k]/n[k], rss[k]/n[k];
      if (n["bare"] && n["clock"] && s["bare"] > 0 && rss["bare"] > 0)
        printf "ratios clock/bare: start %.2f, rss %.2f, cpu %s\n", s["clock"]/s["bare"],
          rss["clock"]/rss["bare"],
          cpu["bare"] > 0 ? sprintf("%.2f", cpu["clock"]/cpu["bare"]) : "n/a (bare below the 10 ms resolution)" }'
