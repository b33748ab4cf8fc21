#!/usr/bin/env bash
# Builds everything: the native tree (portable library, unit tests, host
# tools, icons, guides, tip file) into build/linux, then Quorvane.exe and its
# end-to-end test driver with mingw-w64 into build/win.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

# Compiler cache: paths are taken relative to the checkout, so several
# checkouts of the repository share one cache.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# The tips publisher's public key, if given (see README.md, "Signed tips");
# the build folders keep it once set.
settings=()
[ -z "${QUORVANE_TIPS_PUBLIC_KEY:-}" ] || settings+=(-DQUORVANE_TIPS_PUBLIC_KEY="$QUORVANE_TIPS_PUBLIC_KEY")

cmake -S "$root" -B "$root/build/linux" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "${settings[@]}"
cmake --build "$root/build/linux" -j "$jobs"

# The program is built for size: at -O3 it is two thirds larger, and no window
# waits on its speed.
cmake -S "$root" -B "$root/build/win" -DCMAKE_BUILD_TYPE=MinSizeRel "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-w64-x86_64.cmake" \
  -DQUORVANE_ASSETS_DIR="$root/build/linux/assets" -DBUILD_TESTING=ON "${settings[@]}"
cmake --build "$root/build/win" -j "$jobs"
