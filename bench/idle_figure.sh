#!/usr/bin/env bash
# The tester idle on the desktop host: started under a private X server, given time for
# its first frame, then watched from outside for 10 seconds with no input; prints the
# processor time it used meanwhile (goal: at most 10 ms), then ends it with SIGTERM and
# checks the exit code is 0.
#   xvfb-run -a bench/idle_figure.sh build/bin
set -euo pipefail
bin=${1:-build/bin}
: "${DISPLAY:?run under xvfb-run -a}"
ticks=$(getconf CLK_TCK)
"$bin/kzt_asm" &
pid=$!
sleep 2
cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(cpu)
sleep 10
after=$(cpu)
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
echo "idle 10 s: $(( (after - before) * 1000 / ticks )) ms of processor time (goal: at most 10 ms); exit code after SIGTERM: $status"
[[ $status == 0 ]]
