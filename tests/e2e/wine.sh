#!/bin/bash
# One Wine prefix and one Xvfb display for a whole end-to-end run.
#
#   wine.sh setup DIR RECORDER.exe    copy the template prefix (made once under
#                                     DIR), start Xvfb and a persistent wineserver
#   wine.sh run DIR PROGRAM [ARGS]    run a Windows program there
#   wine.sh run-dpi DIR DPI PROGRAM [ARGS]
#                                     the same in a second prefix, copied from
#                                     the template once, whose screen has DPI
#   wine.sh cleanup DIR               stop wineserver and Xvfb, drop the prefixes
#
# The tests keep themselves apart (a fresh program folder each, the registry
# values reset before each test), so they share the prefix.
set -u
mode=$1 dir=$(mkdir -p "$2" && cd "$2" && pwd)
shift 2
readonly template_version=2
wine=wine wineserver=wineserver
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
[ -x /usr/lib/wine/wineserver64 ] && wineserver=/usr/lib/wine/wineserver64

# Nothing from the caller may steer Wine elsewhere: an empty WINEPREFIX would
# quietly make ~/.wine, and a proxy would catch the program's requests.
unset http_proxy https_proxy no_proxy HTTP_PROXY HTTPS_PROXY NO_PROXY WINEARCH WINELOADER
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX=$dir/run/prefix
# Wine takes its ANSI code page (936) from the locale; given to Wine only.
chinese=(env "LOCPATH=$dir/locale" LC_ALL=zh_CN.UTF-8)

make_template() {
  local recorder=$1 template=$dir/template
  rm -rf "$template" "$dir/locale"
  mkdir -p "$dir/locale"
  localedef -i zh_CN -f UTF-8 "$dir/locale/zh_CN.UTF-8" >/dev/null 2>&1
  [ -d "$dir/locale/zh_CN.UTF-8" ] || { echo "localedef failed" >&2; return 1; }
  local command
  command="\\\"Z:$(printf '%s' "$recorder" | sed 's|/|\\\\|g')\\\" \\\"%1\\\""
  # Managed=N: no 2 s wait for a window manager on each hidden window. The
  # shell's "open" of web addresses and help files goes to the recorder;
  # Wine reads these classes from HKLM only.
  cat >"$dir/template.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
[HKEY_LOCAL_MACHINE\\Software\\Classes\\http\\shell\\open\\command]
@="$command"
[HKEY_LOCAL_MACHINE\\Software\\Classes\\https\\shell\\open\\command]
@="$command"
[HKEY_LOCAL_MACHINE\\Software\\Classes\\.chm]
@="chm.file"
[HKEY_LOCAL_MACHINE\\Software\\Classes\\chm.file\\shell\\open\\command]
@="$command"
REG
  (
    export WINEPREFIX=$template
    unset DISPLAY
    "${chinese[@]}" "$wine" wineboot -i >/dev/null 2>&1 &&
      cp /usr/share/wine/fonts/marlett.ttf "$template/drive_c/windows/Fonts/" &&
      "${chinese[@]}" "$wine" regedit /S "Z:${dir//\//\\}\\template.reg" >/dev/null 2>&1 &&
      timeout 60 "$wineserver" -w  # the registry reaches the disk when the server ends
  ) || { echo "could not make the Wine prefix $template" >&2; return 1; }
  printf '%s %s\n' "$template_version" "$recorder" >"$template.ready"
}

run_program() {
  export DISPLAY=:$(cat "$dir/run/display")
  # Into a file, not CTest's pipe: Wine's own background processes, started
  # by the first program, would hold the pipe open after the run.
  timeout --kill-after=5 600 "${chinese[@]}" "$wine" "$@" >"$dir/run/output" 2>&1
  status=$?
  cat "$dir/run/output"
  exit $status
}

case $mode in
setup)
  "$0" cleanup "$dir"
  if [ "$(cat "$dir/template.ready" 2>/dev/null)" != "$template_version $1" ]; then
    echo "making the Wine template prefix (once)..." >&2
    make_template "$1" || exit 1
  fi
  mkdir -p "$dir/run" && cp -a "$dir/template" "$WINEPREFIX" || exit 1
  # -displayfd: Xvfb picks a free display and writes its number once ready.
  setsid Xvfb -displayfd 8 -screen 0 1280x800x24 -nolisten tcp 8>"$dir/run/display" \
    </dev/null >"$dir/run/xvfb.log" 2>&1 &
  echo $! >"$dir/run/xvfb.pid"
  for _ in $(seq 200); do
    [ -s "$dir/run/display" ] && break
    sleep 0.05  # the pace of polling the file Xvfb writes once ready
  done
  [ -s "$dir/run/display" ] || { cat "$dir/run/xvfb.log" >&2; exit 1; }
  DISPLAY=:$(cat "$dir/run/display") "${chinese[@]}" setsid "$wineserver" -p </dev/null >/dev/null 2>&1
  ;;
run-dpi)
  # The DPI is read when the prefix's wineserver starts: the server stops,
  # the value is written into the registry file, the next program starts it.
  dpi=$1
  shift
  export WINEPREFIX=$dir/run/prefix-dpi
  if [ -d "$WINEPREFIX" ]; then
    "$wineserver" -k >/dev/null 2>&1
    timeout 20 "$wineserver" -w >/dev/null 2>&1
  else
    cp -a "$dir/template" "$WINEPREFIX" || exit 1
  fi
  awk -v value="\"LogPixels\"=dword:$(printf '%08x' "$dpi")" '
    /^\[/ { desktop = index($0, "[Control Panel\\\\Desktop]") == 1 }
    desktop && /^"LogPixels"=/ { next }
    { print }
    desktop && /^#time=/ { print value }
  ' "$WINEPREFIX/user.reg" >"$WINEPREFIX/user.reg.new" && mv "$WINEPREFIX/user.reg.new" "$WINEPREFIX/user.reg"
  run_program "$@"
  ;;
run)
  run_program "$@"
  ;;
cleanup)
  for prefix in "$WINEPREFIX" "$dir/run/prefix-dpi"; do
    [ -d "$prefix" ] || continue
    WINEPREFIX=$prefix "$wineserver" -k >/dev/null 2>&1
    WINEPREFIX=$prefix timeout 20 "$wineserver" -w >/dev/null 2>&1
  done
  [ -s "$dir/run/xvfb.pid" ] && kill "$(cat "$dir/run/xvfb.pid")" 2>/dev/null
  [ -n "${E2E_KEEP_PREFIX:-}" ] || rm -rf "$dir/run"
  ;;
esac
