#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file a desktop expects is
# there and valid, and that the installed programs run from there alone.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
id=io.github.kzt_asm.Tester
expected=(
  bin/qor
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/kzt_asm.svg
  share/man/man1/kzt_asm.1
  share/man/man1/qor.1
)
for size in 16 32 48 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/kzt_asm.png"); done
[[ -x $build/bin/kzt_asm ]] && expected+=(bin/kzt_asm)
for file in "${expected[@]}"; do [[ -s $prefix/$file ]] || fail "not installed: $file"; done

# Each PNG is the size its folder names.
for size in 16 32 48 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/kzt_asm.png
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x${height}"
done
grep -q '^Categories=Development;$' "$prefix/share/applications/$id.desktop" || fail "desktop entry lacks Categories=Development;"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "appstreamcli validate"
fi
if command -v man >/dev/null; then
  for page in kzt_asm qor; do
    warnings=$(man -l --warnings "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man page $page: $warnings"
  done
fi

# The installed qor works with the source and build trees out of reach.
result=$(cd / && env -i PATH=/usr/bin:/bin "$prefix/bin/qor" calc 1.5 + 2.25)
[[ $result == 3.75 ]] || fail "installed qor printed '$result'"
echo "install tree complete"
