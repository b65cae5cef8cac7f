#!/usr/bin/env bash
# Runs a Win32 test program under Wine with its stderr in TRACE-FILE. The debug-channel output
# of every program it starts goes there too; the program finds the file's Windows path in
# TAVRISK_WINE_TRACE and reads what the channels it asked for reported. OVERRIDES (for example
# winmm=n,b) join the library load orders: Wine takes them from the environment the whole
# process tree started with, not from one a program sets for its children.
# Usage: with_wine_trace.sh PROGRAM TRACE-FILE [OVERRIDES]
set -euo pipefail
program=$1 trace=$2 overrides=${3:-}
winpath() { local p="Z:$1"; printf '%s' "${p//\//\\}"; }
: >"$trace"
export TAVRISK_WINE_TRACE WINEDLLOVERRIDES
TAVRISK_WINE_TRACE=$(winpath "$(cd "$(dirname "$trace")" && pwd)/$(basename "$trace")")
[ -z "$overrides" ] || WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}$overrides"
exec "${WINELOADER:-wine}" "$program" 2>"$trace"
