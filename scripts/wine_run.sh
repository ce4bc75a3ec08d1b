#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest. Its output goes through a file: Wine's helper
# processes (the desktop and the system tray) outlive the program and would hold a pipe to the
# test runner open, so that it waits forever.
source "$(dirname "$0")/lib.sh"
out="$(mktemp)"
$(wine_cmd) "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
