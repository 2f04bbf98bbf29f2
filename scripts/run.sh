#!/usr/bin/env bash
# Sets up, builds and runs the program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
"$here/setup.sh" >&2
build_dir=${QOR_BUILD_DIR:-$top/build}
cmake --build "$build_dir" >&2
# Until the tester window exists, the runtime probe is the most useful program.
exec "$build_dir/bin/qor" "$@"
