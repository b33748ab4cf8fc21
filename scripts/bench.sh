#!/usr/bin/env bash
# Benchmark: first ten years of records (bench_records: reading them, the
# month view of 用药记录 and 就诊摘要), natively and under Wine. Then it builds
# Quorvane.exe, the floor program and the runner, starts the two programs in
# alternating pairs under Wine on a virtual display and prints medians and
# ratios (time to the box and to the tray icon, CPU to the icon, wake-ups and
# CPU after the icon, private memory, wake-ups and CPU while hidden, program
# size). It prints figures and never fails on a slow machine.
#
#   scripts/bench.sh [pairs, default 15]
#   scripts/bench.sh records            the records only, about half a minute
#   scripts/bench.sh startup [pairs]    the start-up only
#   scripts/bench.sh startup 15 manifest
#                                       the start-up only, against the floor
#                                       with Quorvane's manifest
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-15}"
pairs="$mode"
floor=bench_floor
if [ "$mode" = startup ]; then
  pairs="${2:-15}"
  [ "${3:-}" != manifest ] || floor=bench_floor_manifest
fi

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build/linux" --target bench_records >/dev/null
cmake --build "$root/build/win" --target bench_floor bench_floor_manifest bench_runner bench_records >/dev/null

bench="$root/build/bench"
. "$root/scripts/wine-env.sh" "$bench"
if [ "$mode" != startup ]; then
  mkdir -p "$bench/records"
  echo "Natively:"
  "$root/build/linux/bench/bench_records" "$bench/records"
fi

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
if [ "$mode" != startup ]; then
  echo "Under Wine:"
  cp "$root/build/win/bench/bench_records.exe" "$WINEPREFIX/drive_c/bench/"
  "${chinese[@]}" wine 'C:\bench\bench_records.exe' 'C:\bench\records'
fi
[ "$mode" != records ] || exit 0
wineserver -k 2>/dev/null || true  # a fresh session: no icons left in the tray

cp "$root/build/win/Quorvane.exe" "$root/build/win/TIPOFDAY.TXT" \
   "$root/build/win/bench/$floor.exe" "$root/build/win/bench/bench_runner.exe" \
   "$WINEPREFIX/drive_c/bench/"
echo "Benchmark: $pairs pairs, about $(((pairs + 1) * 36 / 60 + 1)) minutes"
# Pairs alternate which program starts first: other work on the machine
# weighs on both alike.
"${chinese[@]}" wine 'C:\bench\bench_runner.exe' "$pairs" 'C:\bench\Quorvane.exe' \
  "C:\\bench\\$floor.exe"
