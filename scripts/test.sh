#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# and asset tests natively, then the end-to-end tests of Quorvane.exe under
# Wine (one Xvfb display and one Wine prefix for the run, under build/win),
# and last a short run of the fuzz targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"

status=0
ctest --test-dir "$root/build/linux" --output-on-failure || status=1
ctest --test-dir "$root/build/win" --output-on-failure || status=1
"$root/scripts/fuzz.sh" || status=1
exit $status
