#!/usr/bin/env bash
# scripts/run where no one can answer a box: no display and no terminal. It prints the question
# (caption and text), answers nothing, and ends the run there with exit code 124 and the reason;
# since nothing answered Yes, no pass ran and nothing was logged. The time limits are generous:
# a busy machine may take long to show the box, and only what the run did counts.
# Usage: run_no_display_test.sh SOURCE-DIR
set -euo pipefail
root=$1

# scripts/run's own prefix is made here, so that the time limit below is the run's alone.
. "$root/scripts/wine-env"
tavrisk_runnable_build
. "$root/scripts/wine-env" run
tavrisk_wine_prefix
log="$root/build/$TAVRISK_PRESET/Tavrisk.log"
records() { if [ -f "$log" ]; then wc -l <"$log"; else echo 0; fi; }
records_before=$(records)

set +e
output=$(env -u DISPLAY -u WAYLAND_DISPLAY TAVRISK_RUN_TIMEOUT=120 timeout -s KILL 150 "$root/scripts/run" p=1 v=0 \
    /log </dev/null 2>&1)
code=$?
set -e
echo "$output"

status=0
fail() { echo "FAIL: $*"; status=1; }
[ $code -eq 124 ] || fail "exit code $code, expected 124"
grep -q 'boxes need a display' <<<"$output" || fail "no word of why the run ended"
grep -qx 'scripts/run: box "TAVRISK"' <<<"$output" || fail "the box's caption was not printed"
grep -q '^    Cleanup memory now ?' <<<"$output" || fail "the question was not printed"
grep -qx '    Clean Mode = 0' <<<"$output" || fail "the clean mode line was not printed"
grep -qx '    \[y\] Yes (default)' <<<"$output" || fail "the Yes button was not printed"
[ "$(records)" -eq "$records_before" ] || fail "a pass ran: the log grew"
exit $status
