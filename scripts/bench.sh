#!/usr/bin/env bash
# Benchmark: builds Quorvane.exe, a minimal tray program and the runner, then
# starts the two programs alternately under Wine on a virtual display and
# prints medians and ratios (time to the tray icon, private memory, wake-ups
# and CPU while hidden, program size). It prints figures and never fails on a
# slow machine.
#
#   scripts/bench.sh [runs of each program, default 15]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-15}"

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build/win" --target bench_minimal_tray bench_runner >/dev/null

bench="$root/build/bench"
. "$root/scripts/wine-env.sh" "$bench"

Xvfb -displayfd 8 -screen 0 1280x800x24 -nolisten tcp 8>"$bench/display" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
display=
for _ in $(seq 200); do
  read -r display <"$bench/display" 2>/dev/null || true
  [ -n "$display" ] && break
  sleep 0.05
done
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

# No window manager: without Managed=N every hidden window waits for one.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "${chinese[@]}" wineboot -i >/dev/null 2>&1
  "${chinese[@]}" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
wineserver -k 2>/dev/null || true  # a fresh session: no icons left in the tray

mkdir -p "$WINEPREFIX/drive_c/bench"
cp "$root/build/win/Quorvane.exe" "$root/build/win/TIPOFDAY.TXT" \
   "$root/build/win/bench/bench_minimal_tray.exe" "$root/build/win/bench/bench_runner.exe" \
   "$WINEPREFIX/drive_c/bench/"
echo "Benchmark: $runs runs of each program, about $(((runs + 1) * 36 / 60 + 1)) minutes"
"${chinese[@]}" wine 'C:\bench\bench_runner.exe' "$runs" 'C:\bench\Quorvane.exe' \
  'C:\bench\bench_minimal_tray.exe'
