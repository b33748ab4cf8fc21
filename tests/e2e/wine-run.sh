#!/bin/bash
# Runs one Windows test program under Wine with a clean prefix and a private
# X server, and always tears both down again.
#
#   wine-run.sh --work-dir DIR --name NAME --timeout SECONDS \
#               --recorder PATH/quorvane_shellrecorder.exe -- PROGRAM [ARGS...]
#
# DIR keeps a template prefix and a generated zh_CN.UTF-8 locale, both made
# once; every run copies the template to DIR/runs/NAME, so each run starts with
# an untouched registry. The copy is removed afterwards unless E2E_KEEP_PREFIX
# is set. The run itself is cut off after SECONDS, so the clean-up below always
# gets its turn, even when CTest's own time-out would otherwise kill us first.
set -u

# Bump when the template's contents change, so old templates get rebuilt.
readonly template_version=1

work_dir= name= time_limit= recorder=
while [ $# -gt 0 ]; do
  case "$1" in
    --work-dir) work_dir=$2; shift 2 ;;
    --name) name=$2; shift 2 ;;
    --timeout) time_limit=$2; shift 2 ;;
    --recorder) recorder=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "wine-run.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
if [ -z "$work_dir" ] || [ -z "$name" ] || [ -z "$time_limit" ] ||
   [ -z "$recorder" ] || [ $# -eq 0 ]; then
  echo "usage: wine-run.sh --work-dir DIR --name NAME --timeout SECONDS" \
       "--recorder RECORDER.exe -- PROGRAM [ARGS...]" >&2
  exit 2
fi

if [ -x /usr/lib/wine/wine64 ]; then wine=/usr/lib/wine/wine64; else wine=wine; fi
if [ -x /usr/lib/wine/wineserver64 ]; then
  wineserver=/usr/lib/wine/wineserver64
else
  wineserver=wineserver
fi

mkdir -p "$work_dir/runs"
work_dir=$(cd "$work_dir" && pwd)
template=$work_dir/template
locale_dir=$work_dir/locale

# Nothing from the caller's environment may steer Wine elsewhere: an empty
# WINEPREFIX would quietly make ~/.wine, and a proxy would catch the program's
# HTTP requests. Tests that want a proxy set one themselves.
unset http_proxy https_proxy no_proxy HTTP_PROXY HTTPS_PROXY NO_PROXY
unset WINEARCH WINELOADER
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Given to Wine only (bash itself would complain before the locale exists).
# Wine takes its ANSI code page (936) from it.
wine_locale=(env "LOCPATH=$locale_dir" LC_ALL=zh_CN.UTF-8)

windows_path() {
  # Wine maps drive Z: to the Unix root.
  printf 'Z:%s' "${1//\//\\}"
}

make_template() {
  rm -rf "$template" "$template.ready"
  if [ ! -d "$locale_dir/zh_CN.UTF-8" ]; then
    mkdir -p "$locale_dir"
    # localedef warns about the locale's harmless quirks; only its result counts.
    localedef -i zh_CN -f UTF-8 "$locale_dir/zh_CN.UTF-8" >/dev/null 2>&1
    [ -d "$locale_dir/zh_CN.UTF-8" ] || { echo "localedef failed" >&2; return 1; }
  fi
  (
    export WINEPREFIX=$template
    unset DISPLAY
    "${wine_locale[@]}" "$wine" wineboot -i >/dev/null 2>&1 || exit 1
    cp /usr/share/wine/fonts/marlett.ttf "$template/drive_c/windows/Fonts/"
    local recorder_command
    recorder_command="\\\"$(windows_path "$recorder" | sed 's/\\/\\\\/g')\\\" \\\"%1\\\""
    # Without Managed=N every hidden top-level window waits 2 s for a window
    # manager that is not there. The shell's "open" of web addresses and help
    # files goes to the recorder, which logs what it was asked to open.
    # Wine reads these classes from HKLM only.
    cat >"$work_dir/template.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\http\\shell\\open\\command]
@="$recorder_command"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\https\\shell\\open\\command]
@="$recorder_command"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\.chm]
@="chm.file"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\chm.file\\shell\\open\\command]
@="$recorder_command"
EOF
    "${wine_locale[@]}" "$wine" regedit /S "$(windows_path "$work_dir/template.reg")" >/dev/null 2>&1 || exit 1
    # The registry reaches the disk when the server exits.
    timeout 60 "$wineserver" -w
  ) || { echo "could not make the template prefix in $template" >&2; return 1; }
  printf '%s\n%s\n' "$template_version" "$recorder" >"$template.ready"
}

# Several tests may start at once: one makes the template, the others wait.
exec 9>"$work_dir/template.lock"
flock 9
if [ "$(cat "$template.ready" 2>/dev/null)" != "$(printf '%s\n%s' "$template_version" "$recorder")" ]; then
  echo "making the Wine template prefix (once)..." >&2
  make_template || exit 1
fi
flock -u 9
exec 9>&-

run_dir=$work_dir/runs/$name
prefix=$run_dir/prefix
xvfb_pid=

clean_up() {
  WINEPREFIX=$prefix "$wineserver" -k >/dev/null 2>&1
  WINEPREFIX=$prefix timeout 20 "$wineserver" -w >/dev/null 2>&1
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  [ -n "${E2E_KEEP_PREFIX:-}" ] || rm -rf "$run_dir"
}
trap clean_up EXIT
trap 'exit 130' INT TERM HUP

rm -rf "$run_dir"
mkdir -p "$run_dir"
cp -a "$template" "$prefix"
export WINEPREFIX=$prefix

# -displayfd lets Xvfb pick a free display; it writes the number once ready.
Xvfb -displayfd 8 -screen 0 1280x800x24 -nolisten tcp \
  8>"$run_dir/display" >"$run_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 200); do
  read -r display <"$run_dir/display" 2>/dev/null
  [ -n "$display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
if [ -z "$display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$run_dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=:$display

timeout --kill-after=5 "$time_limit" "${wine_locale[@]}" "$wine" "$@"
status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
  echo "wine-run.sh: $name ran longer than $time_limit s and was stopped" >&2
fi
exit $status
