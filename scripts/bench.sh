#!/usr/bin/env bash
# Benchmark: first ten years of records (bench_records: reading them, the
# month view of 用药记录 and 就诊摘要), natively and under Wine. Then it builds
# Quorvane.exe, a minimal tray program and the runner, starts the two programs
# alternately under Wine on a virtual display and prints medians and ratios
# (time to the tray icon, private memory, wake-ups and CPU while hidden,
# program size). It prints figures and never fails on a slow machine.
#
#   scripts/bench.sh [runs of each program, default 15]
#   scripts/bench.sh records     the records only, about half a minute
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-15}"

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build/linux" --target bench_records >/dev/null
cmake --build "$root/build/win" --target bench_minimal_tray bench_runner bench_records >/dev/null

bench="$root/build/bench"
. "$root/scripts/wine-env.sh" "$bench"
mkdir -p "$bench/records"
echo "Natively:"
"$root/build/linux/bench/bench_records" "$bench/records"

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
mkdir -p "$WINEPREFIX/drive_c/bench"
echo "Under Wine:"
cp "$root/build/win/bench/bench_records.exe" "$WINEPREFIX/drive_c/bench/"
"${chinese[@]}" wine 'C:\bench\bench_records.exe' 'C:\bench\records'
[ "$runs" != records ] || exit 0
wineserver -k 2>/dev/null || true  # a fresh session: no icons left in the tray

cp "$root/build/win/Quorvane.exe" "$root/build/win/TIPOFDAY.TXT" \
   "$root/build/win/bench/bench_minimal_tray.exe" "$root/build/win/bench/bench_runner.exe" \
   "$WINEPREFIX/drive_c/bench/"
echo "Benchmark: $runs runs of each program, about $(((runs + 1) * 36 / 60 + 1)) minutes"
"${chinese[@]}" wine 'C:\bench\bench_runner.exe' "$runs" 'C:\bench\Quorvane.exe' \
  'C:\bench\bench_minimal_tray.exe'
