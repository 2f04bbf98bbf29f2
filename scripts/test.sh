#!/usr/bin/env bash
# Sets up, builds everything and runs the whole test suite.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
"$here/setup.sh"
build_dir=${QOR_BUILD_DIR:-$top/build}
cmake --build "$build_dir"
cd "$build_dir"
ctest --output-on-failure -j"$(nproc)"
