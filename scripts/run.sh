#!/usr/bin/env bash
# Sets up, builds and runs the program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
"$here/setup.sh" >&2
build_dir=${QOR_BUILD_DIR:-$top/build}
cmake --build "$build_dir" --target kzt_asm >&2
exec "$build_dir/bin/kzt_asm" "$@"
