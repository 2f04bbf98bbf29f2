#!/usr/bin/env bash
# Builds the whole suite with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checking on), runs it, then runs every fuzz target for a short, fixed number of
# inputs over its seed corpus in tests/fuzz/corpus/, so that a parser that crashes fails.
# Set up as scripts/setup.sh does; the build goes to build-asan/ (QOR_ASAN_BUILD_DIR).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
"$here/setup.sh" >/dev/null
build_dir=${QOR_ASAN_BUILD_DIR:-$top/build-asan}
runs=${QOR_FUZZ_RUNS:-20000}
if [[ ! -f "$build_dir/build.ninja" ]]; then
  cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQOR_SANITIZE=ON -DQOR_FUZZ=ON -DQOR_BENCH=OFF ${QOR_CMAKE_ARGS:-}
fi
cmake --build "$build_dir"
(cd "$build_dir" && ctest --output-on-failure -j"$(nproc)")

# The fuzz smoke: new inputs go to a scratch folder, never into the seeds.
failed=0
for target in "$build_dir"/bin/fuzz_*; do
  name=$(basename "$target")
  seeds="$top/tests/fuzz/corpus/${name#fuzz_}"
  scratch="$build_dir/fuzz-scratch/${name#fuzz_}"
  rm -rf "$scratch" && mkdir -p "$scratch"
  [[ -d "$seeds" ]] || { echo "fuzz smoke: $name has no seed corpus in $seeds"; failed=1; continue; }
  if "$target" -runs="$runs" -max_total_time=120 -print_final_stats=0 "$scratch" "$seeds" \
      >"$scratch.log" 2>&1; then
    echo "fuzz smoke: $name passed ($runs inputs)"
  else
    echo "fuzz smoke: $name FAILED"; tail -n 40 "$scratch.log"; failed=1
  fi
done
exit "$failed"
