#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are missing, then
# configures build/. A second run finds everything in place and starts at once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")

missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done <"$here/packages.txt"

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

build_dir=${QOR_BUILD_DIR:-$top/build}
if [[ ! -f "$build_dir/build.ninja" ]]; then
  cmake -S "$top" -B "$build_dir" -G Ninja ${QOR_CMAKE_ARGS:-}
fi
