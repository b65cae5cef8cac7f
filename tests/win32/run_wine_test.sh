#!/usr/bin/env bash
# Runs a Win32 test program under Wine with its output going to a file, and prints that file
# once the program has ended. Wine's system processes (services, rpcss, plugplay, the device
# hosts) are started on demand by whichever program first needs them, inherit that program's
# standard output and error, and live as long as the persistent wineserver: on ctest's pipe,
# ctest would wait for them after the test had passed and end the test as timed out
# ("Subprocess killed"). With TRACE-FILE, the standard error (where Wine's debug channels
# write for the program and everything it starts) goes there instead; OVERRIDES (for example
# winmm=n,b) join the library load orders: Wine takes them from the environment the whole
# process tree started with, not from one a program sets for its children.
# TAVRISK_GTEST_FILTER, where set, chooses the test cases of every program, over any
# filter a program's own ctest environment sets (scripts/test's 32-bit leg).
# Usage: run_wine_test.sh PROGRAM [TRACE-FILE [OVERRIDES]]
set -uo pipefail
program=$1 trace=${2:-} overrides=${3:-}
[ -z "${TAVRISK_GTEST_FILTER:-}" ] || export GTEST_FILTER=$TAVRISK_GTEST_FILTER
winpath() { local p="Z:$1"; printf '%s' "${p//\//\\}"; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
if [ -n "$trace" ]; then
    : >"$trace"
    export TAVRISK_WINE_TRACE WINEDLLOVERRIDES
    TAVRISK_WINE_TRACE=$(winpath "$(cd "$(dirname "$trace")" && pwd)/$(basename "$trace")")
    [ -z "$overrides" ] || WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}$overrides"
    "${WINELOADER:-wine}" "$program" >"$out" 2>"$trace"
else
    "${WINELOADER:-wine}" "$program" >"$out" 2>&1
fi
rc=$?
cat "$out"
# A chosen case that no longer exists (renamed, say) would leave its program running none.
if [ -n "${TAVRISK_GTEST_FILTER:-}" ] && grep -q '^\[==========\] Running 0 tests' "$out"; then
    echo "run_wine_test.sh: TAVRISK_GTEST_FILTER chose no test of $program" >&2
    rc=1
fi
exit $rc
