#!/usr/bin/env bash
# p=1 where no box can be shown at all: a second Wine prefix with its own wineserver and no
# display. The run must go on as after Yes: clean, log, and start the r= program (exit code 1).
# Usage: no_display_test.sh BUILD-DIR TAVRISK-EXE LAUNCH-EXE GUI-HELPER-EXE
set -euo pipefail
build=$1 tavrisk=$2 launch=$3 gui_helper=$4

# The architecture (and loader) of the build under test, as ctest passes them.
export WINEARCH=${WINEARCH:-win32} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$build/wineprefix-nodisplay-$WINEARCH"
wine=${WINELOADER:-wine}
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/.tavrisk-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tavrisk-ready"
fi

winpath() { local p="Z:$1"; printf '%s' "${p//\//\\}"; }
work=$(mktemp -d "$build/test-tmp-nodisplay.XXXXXX")
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
cp "$tavrisk" "$work/tavrisk.exe"
printf 'tavrisk p=1 v=0 /log r="%s"' "$(winpath "$gui_helper")" >"$work/line.txt"
export TAVRISK_RECORD_FILE
TAVRISK_RECORD_FILE=$(winpath "$work/record.txt")

output=$(timeout 60 "$wine" "$launch" "$(winpath "$work/tavrisk.exe")" "$(winpath "$work/line.txt")" || true)
echo "$output"
for _ in $(seq 50); do [ -s "$work/record.txt" ] && break; sleep 0.1; done

status=0
grep -q '^exit code 1' <<<"$output" || { echo "FAIL: expected exit code 1"; status=1; }
grep -q 'gui_helper' "$work/record.txt" 2>/dev/null || { echo "FAIL: the r= program was not started"; status=1; }
grep -q '   V = 0  ' "$work/Tavrisk.log" 2>/dev/null || { echo "FAIL: no log record"; status=1; }
exit $status
