#!/usr/bin/env bash
# Installs what is missing, builds everything and starts Quorvane under Wine,
# installed into "C:\Program Files\Quorvane" of a Wine prefix kept in
# build/run (so its settings stay from one run to the next). Uses your
# display, or a virtual one (Xvfb) when there is none.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"

run="$root/build/run"
. "$root/scripts/wine-env.sh" "$run"

# Without a window manager Wine draws the window frames itself.
managed=Y
if [ -z "${DISPLAY:-}" ]; then
  managed=N
  export DISPLAY=:77
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  echo "No display: Quorvane runs on the virtual display $DISPLAY."
  sleep 1
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "${chinese[@]}" wineboot -i >/dev/null 2>&1
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
if [ "$(cat "$run/managed" 2>/dev/null)" != "$managed" ]; then
  "${chinese[@]}" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
  wineserver -k  # the setting takes with the next Wine session
  echo "$managed" > "$run/managed"
fi

folder="$WINEPREFIX/drive_c/Program Files/Quorvane"
mkdir -p "$folder"
cp "$root/build/win/Quorvane.exe" "$root/build/win/TIPOFDAY.TXT" "$folder/"
echo "Starting Quorvane (its icon is in Wine's system tray window)."
exec "${chinese[@]}" wine "C:\\Program Files\\Quorvane\\Quorvane.exe"
