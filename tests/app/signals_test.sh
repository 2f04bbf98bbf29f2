#!/usr/bin/env bash
# SIGINT, SIGTERM and SIGHUP end the tester in order with exit code 0: the program runs on the
# desktop host under a private X server, and the signal is sent once its window is up.
# Skipped when Xvfb or xwininfo is missing.
set -euo pipefail
bin=$1
command -v Xvfb >/dev/null && command -v xwininfo >/dev/null || { echo "Xvfb or xwininfo missing; skipped"; exit 0; }
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 200); do [[ -s $scratch/display ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$scratch/display")"
export HOME=$scratch

failed=0
for signal in INT TERM HUP; do
  "$bin/kzt_asm" &
  pid=$!
  # Ready when the tester's window is on the screen.
  for _ in $(seq 400); do
    xwininfo -root -tree 2>/dev/null | grep -q "Function Tester" && break
    sleep 0.05
  done
  kill "-$signal" "$pid"
  status=0
  wait "$pid" || status=$?
  if [[ $status == 0 ]]; then echo "ok: SIG$signal ends with 0"; else echo "FAIL: SIG$signal ended with $status"; failed=1; fi
done
[[ ! -e $HOME/.config/kzt_asm/kzt_asm.INI ]] || { echo "FAIL: a settings file was written"; failed=1; }
exit $failed
