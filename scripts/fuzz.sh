#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build/fuzz, then runs each on its corpus in
# tests/fuzz/corpus for a fixed number of inputs. Fails on any crash, hang or
# sanitizer report; the input that caused it is left as build/fuzz/<target>-crash-*.
#
#   scripts/fuzz.sh                        the short run that test.sh makes
#   scripts/fuzz.sh 10000000               the long run
#   scripts/fuzz.sh 10000000 dated_rows    the long run of one target
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-50000}"
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(record date tip_file dated_rows signature)
build="$root/build/fuzz"

launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQUORVANE_FUZZ=ON -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

for target in "${targets[@]}"; do
  # New inputs go to a scratch folder; the corpus in the repository stays as it is.
  found="$build/$target-found"
  rm -rf "$found" && mkdir -p "$found"
  echo "fuzz: $target, $runs inputs"
  "$build/tests/fuzz/${target}_fuzzer" -runs="$runs" -timeout=10 -rss_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$build/$target-" \
    "$found" "$root/tests/fuzz/corpus/$target" 2>"$build/$target.log" || {
    tail -n 60 "$build/$target.log"
    echo "fuzz: $target FAILED (log: $build/$target.log)"
    exit 1
  }
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|cov:" "$build/$target.log" |
    tail -n 4 | sed "s/^/  /"
done
