#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# and asset tests natively, then the end-to-end tests of Quorvane.exe under
# Wine (one Xvfb display and one Wine prefix for the run, under build/win),
# a short run of the fuzz targets, and last a check that every C++ file is
# formatted as .clang-format says.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"

status=0
ctest --test-dir "$root/build/linux" --output-on-failure || status=1
ctest --test-dir "$root/build/win" --output-on-failure || status=1
"$root/scripts/fuzz.sh" || status=1
(cd "$root" && find bench src tests tools -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run -Werror) || { echo "Run clang-format -i on the files above." >&2; status=1; }
exit $status
