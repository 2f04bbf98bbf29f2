#!/usr/bin/env bash
# Runs the programs under strace and fails on any file opened for writing, created,
# renamed or removed outside what the command asked for. Skipped when strace is missing.
set -euo pipefail
bin=$1
command -v strace >/dev/null || { echo "strace is not installed; skipped"; exit 0; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_CONFIG_HOME= XDG_CACHE_HOME=
mkdir -p "$HOME"
# LeakSanitizer cannot work under a tracer; a sanitizer build checks leaks in its other tests.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
failed=0

# traced ALLOWED COMMAND...: ALLOWED is an extended regular expression for the quoted
# paths the command may write ("-" for none). Calls relative to a directory descriptor
# name the file alone.
traced() {
  local allowed=$1; shift
  local log=$scratch/trace.log
  local status=0
  (cd "$scratch" && strace -f -qq -e trace=%file -o "$log" "$@" >/dev/null 2>"$scratch/stderr") || status=$?
  if ((status != 0)); then echo "FAIL: $* exited $status: $(head -c 300 "$scratch/stderr")"; failed=1; return; fi
  local writes
  writes=$(grep -E '^[0-9]+ +((open|openat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(creat|rename|renameat|renameat2|unlink|unlinkat|mkdir|mkdirat|rmdir|link|linkat|symlink|symlinkat|truncate)\()' "$log" |
           grep -v ' = -1 ' | grep -vE '"/dev/(null|tty|pts/[0-9]+)"' || true)
  if [[ $allowed != - ]]; then writes=$(grep -vE "$allowed" <<<"$writes" || true); fi
  if [[ -n $writes ]]; then
    echo "FAIL: $* wrote outside ${allowed}:"; echo "$writes" | head -n 10; failed=1
  else
    echo "ok: $*"
  fi
}

env_file=$scratch/kzt.env
printf 'Thousands=,\n' >"$env_file"
traced - "$bin/qor" calc 1.5 + 2.25
traced - "$bin/qor" format @n12.2 1234.5
traced - "$bin/qor" --env "$env_file" deformat @n12.2 "1,234.50"
traced - "$bin/qor" windef list
traced - "$bin/qor" getini kzt_asm.INI Section Key none
traced - "$bin/qor" inipath kzt_asm.INI
traced - "$bin/qor" raise 27 --file data.dat
traced - "$bin/qor" msgbox "Text" "Title" "" "1" 1 Enter
traced "\"$HOME/\.config|\"\.?kzt_asm\.INI(\.tmp)?\"" "$bin/qor" putini kzt_asm.INI Section Key Value
mkdir -p "$scratch/png"
traced "\"$scratch/png/" "$bin/platform_demo" --headless --png "$scratch/png"
if [[ -x $bin/kzt_asm ]]; then
  printf 'press 81\nread 10\nstate\n' >"$scratch/script"
  traced - "$bin/kzt_asm" --headless --script "$scratch/script"
  printf 'shot %s\n' "$scratch/png/tester.png" >"$scratch/shot-script"
  traced "\"$scratch/png/tester\.png\"" "$bin/kzt_asm" --headless --script "$scratch/shot-script"
fi
[[ ! -e $HOME/.config/kzt_asm/kzt_asm.INI || -s $HOME/.config/kzt_asm/kzt_asm.INI ]]
exit $failed
