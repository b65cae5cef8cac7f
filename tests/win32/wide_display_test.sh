#!/usr/bin/env bash
# The about box's place, on a display of its own: 1600x600, so wide that a box centred with the
# height in place of the width lands far from the centre (on the usual test display it lands
# near it either way). Wine keeps the screen of the display its server started with, so this
# runs in a prefix with a wineserver of its own.
# Usage: wide_display_test.sh SOURCE-DIR ABOUT-E2E-TESTS
set -euo pipefail
root=$1 program=$2

# The architecture of the build under test, as ctest passes it.
export TAVRISK_WINE_ARCH=${WINEARCH:-win32}
. "$root/scripts/wine-env" wide
tavrisk_wine_prefix
export GTEST_FILTER=AboutBox.IsCentredOnTheWholeScreen
xvfb-run -a -s "-screen 0 1600x600x24" bash -c '
    wineserver -p >/dev/null 2>&1
    "$TAVRISK_WINE" cmd /c exit >/dev/null 2>&1
    rc=0
    out=$(bash "$0" "$1") || rc=1
    wineserver -k || true
    echo "$out"
    # A filter that matched nothing would pass with no test run.
    grep -q "^\[  PASSED  \] 1 test\." <<<"$out" || { echo "FAIL: the test did not run and pass"; rc=1; }
    exit $rc
' "$root/tests/win32/run_wine_test.sh" "$program"
