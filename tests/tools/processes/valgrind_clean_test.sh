#!/usr/bin/env bash
# Runs a representative set of commands under valgrind's memcheck: any invalid read or
# write, use of uninitialised memory or bad free fails. Skipped when valgrind is missing.
set -euo pipefail
bin=$1
command -v valgrind >/dev/null || { echo "valgrind is not installed; skipped"; exit 0; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_CONFIG_HOME=
mkdir -p "$HOME"
failed=0
checked() {
  if (cd "$scratch" && valgrind -q --error-exitcode=99 --track-origins=no "$@" >/dev/null 2>"$scratch/vg.log"); then
    echo "ok: $*"
  else
    echo "FAIL: $*"; head -n 40 "$scratch/vg.log"; failed=1
  fi
}
checked "$bin/qor" calc 123456789.123 "*" 987.5 / 3 + -0.25
checked "$bin/qor" round 2.345 2
checked "$bin/qor" format @n-14.3 -1234567.891
checked "$bin/qor" deformat @n12.2 "1,234.50"
checked "$bin/qor" format @d6 80000
checked "$bin/qor" compare "Strasse" "Straße"
checked "$bin/qor" windef dump "kzt_asm\$KZT_A001"
checked "$bin/qor" random 7 1 100 20
checked "$bin/qor" putini kzt_asm.INI Section Key Value
checked "$bin/qor" getini kzt_asm.INI Section Key none
checked "$bin/qor" raise 27 --file data.dat
checked "$bin/qor" msgbox "A text long enough to wrap over more than one line of the box" "Title" "" "Yes|No" 2 Enter
if [[ -x $bin/kzt_asm ]]; then
  # Every button of the stored window once, then the state.
  "$bin/qor" windef dump 'kzt_asm$KZT_A001' | awk '$1 == "button" { print "press " $2 }' >"$scratch/buttons.script"
  echo state >>"$scratch/buttons.script"
  checked "$bin/kzt_asm" --headless --script "$scratch/buttons.script"
fi
exit $failed
