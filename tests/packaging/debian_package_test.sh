#!/usr/bin/env bash
# Builds the Debian package, checks that it depends on runtime libraries only, unpacks it
# into a scratch root and runs the programs from there.
set -euo pipefail
build=$1
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed; skipped"; exit 0; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[[ $depends == *fonts-liberation2* ]] || fail "the package does not depend on its fonts"
[[ $depends != *-dev* ]] || fail "the package depends on a development package"

dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr
result=$(cd / && env -i PATH=/usr/bin:/bin "$root/bin/qor" round 2.345 2)
[[ $result == 2.35 ]] || fail "packaged qor printed '$result'"
if [[ -x $root/bin/kzt_asm ]]; then
  [[ $depends == *libsdl2* ]] || fail "the package does not depend on the SDL2 library"
  printf 'read 0\n' >"$scratch/script"
  output=$(cd / && env -i PATH=/usr/bin:/bin "$root/bin/kzt_asm" --headless --script "$scratch/script")
  [[ $output == 0$'\t'* ]] || fail "packaged kzt_asm printed '$output'"
fi
echo "package installs and runs"
