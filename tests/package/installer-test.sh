#!/usr/bin/env bash
# installer-test.sh WINE_SH STATE SETUP PROGRAM PROBE UNINSTALLER PUBLISHER ABOUT_URL
# The installer and the uninstaller under Wine, in the end-to-end tests'
# prefix (WINE_SH run STATE ...): install, start, install over the running
# copy, a program folder that takes no files, uninstall silently, uninstall
# choosing to delete the record on the first page, which must be drawn.
# UNINSTALLER is the uninstaller made with SETUP. Stops at the first failed
# check.
set -u
wine_sh=$1 state=$2 setup=$3 program=$4 probe=$5 uninstaller=$6 publisher=$7 about_url=$8
prefix=$state/run/prefix
w() { "$wine_sh" run "$state" "$@"; }
fail() { echo "FAIL: $*"; chattr -i "$dir" 2>/dev/null; exit 1; }
# The data of a registry value, without its name and type. Under load a Wine
# process now and then starts and prints nothing, so an empty answer is asked
# again before it counts.
reg_value() {
  local data=
  for _ in 1 2 3; do
    data=$(w reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p")
    [ -n "$data" ] && break
  done
  printf '%s' "$data"
}
wait_gone() { for _ in $(seq 200); do [ -e "$1" ] || return 0; sleep 0.1; done; return 1; }

user=$(ls "$prefix/drive_c/users" | grep -vx Public | head -1)
home=$prefix/drive_c/users/$user
dir=$home/AppData/Local/Programs/Quorvane
windir="C:\\users\\$user\\AppData\\Local\\Programs\\Quorvane"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvane.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
record='Test|2006-05-22|6|0|1'  # no reminder box; the tip window at start
# The end-to-end tests leave no logon entry; one here would make the check
# after the silent install below fail for a reason of its own.
before=$(reg_value "$run_key" Quorvane)
[ -z "$before" ] || fail "a logon entry before the install: $before"
w reg add 'HKCU\Software' /v Quorvane /d "$record" /f >/dev/null || fail "record not set"

echo "silent install"
w "$setup" /S || fail "setup /S failed"
cmp -s "$dir/Quorvane.exe" "$program" || fail "Quorvane.exe not installed"
[ -f "$dir/TIPOFDAY.TXT" ] && [ -f "$dir/Uninstall.exe" ] || fail "TIPOFDAY.TXT or Uninstall.exe missing"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
cmp -s "$dir/Uninstall.exe" "$uninstaller" || fail "Uninstall.exe is not the uninstaller made with the installer"
# The version record, which names the licence, is the uninstaller's too.
strings -el "$dir/Uninstall.exe" | grep -qxF "Copyright (c) the Quorvane authors. MIT License." ||
  fail "the uninstaller has no version record naming the licence"
expected=(DisplayName=Quorvane DisplayVersion=1.0 "DisplayIcon=$windir\\Quorvane.exe,0"
  "Publisher=$publisher" "URLInfoAbout=$about_url"
  "UninstallString=\"$windir\\Uninstall.exe\"" "QuietUninstallString=\"$windir\\Uninstall.exe\" /S"
  "InstallLocation=$windir" NoModify=0x1 NoRepair=0x1)
for pair in "${expected[@]}"; do
  actual=$(reg_value "$uninstall_key" "${pair%%=*}")
  [ "$actual" = "${pair#*=}" ] || fail "${pair%%=*} is '$actual', not '${pair#*=}'"
done
[[ $(reg_value "$uninstall_key" EstimatedSize) == 0x* ]] || fail "no EstimatedSize"
after=$(reg_value "$run_key" Quorvane)
[ -z "$after" ] || fail "a silent install started the program (logon entry $after)"

echo "start the installed copy"
w start "$windir\\Quorvane.exe" >/dev/null
w "$probe" running || fail "the installed program did not start"
[ "$(reg_value "$run_key" Quorvane)" = "\"$windir\\Quorvane.exe\"" ] || fail "Run value: $(reg_value "$run_key" Quorvane)"

echo "install over the running copy, its tip window open"
printf 'changed\r\n' >"$dir/TIPOFDAY.TXT"
w "$setup" /S || fail "setup /S over the running copy failed"
w "$probe" ended || fail "the running copy did not end, or left its icon"
[ "$(cat "$dir/TIPOFDAY.TXT")" = $'changed\r' ] || fail "the changed TIPOFDAY.TXT was replaced"
[ "$(reg_value 'HKCU\Software' Quorvane)" = "$record" ] || fail "the record changed"

echo "a program folder that takes no files"
mkdir -p "$home/AppData/Local/Quorvane"
printf '用户文件夹里的提示\r\n' >"$home/AppData/Local/Quorvane/TIPOFDAY.TXT"
if chattr +i "$dir" 2>/dev/null; then
  w start "$windir\\Quorvane.exe" >/dev/null
  tip=$(w "$probe" tip) || fail "no tip window"
  chattr -i "$dir"
  [ "$tip" = "用户文件夹里的提示" ] || fail "tip '$tip' not read from the user's folder"
else
  echo "  skipped: chattr +i is not allowed here"
  w start "$windir\\Quorvane.exe" >/dev/null
  w "$probe" running || fail "the installed program did not start again"
fi

echo "silent uninstall of a running copy"
touch "$dir"/{qelmuEbook.chm,tkw.chm,tipofday.txt.new}
diary=$home/AppData/Roaming/Quorvane
mkdir -p "$diary" && touch "$diary/doselog.csv"
w "$windir\\Uninstall.exe" /S || fail "Uninstall.exe /S failed"
wait_gone "$dir" || fail "left in the program folder: $(ls "$dir")"
w "$probe" ended || fail "the running copy did not end"
[ ! -e "$shortcut" ] || fail "shortcut left"
w reg query "$uninstall_key" >/dev/null 2>&1 && fail "uninstall entry left"
[ -z "$(reg_value "$run_key" Quorvane)" ] || fail "Run value left"
[ "$(reg_value 'HKCU\Software' Quorvane)" = "$record" ] && [ -f "$diary/doselog.csv" ] || fail "the record went"

echo "uninstall choosing on its first page to delete the record"
w "$setup" /S || fail "setup /S failed"
mkdir -p "$diary" && touch "$diary/doselog.csv" "$diary/selfcheck.csv"
w start "$windir\\Uninstall.exe" >/dev/null
page=$(w "$probe" question) || fail "no question about the record"
for line in "您的用药记录、用药日记和自检记录要保留吗？" "[x] 保留（以后再安装 Quorvane 时还能接着用）(&K)" \
  "一起删除（删除后无法恢复）(&D)"; do
  grep -qF -- "$line" <<<"$page" || fail "the first page lacks '$line':
$page"
done
[ -f "$dir/Quorvane.exe" ] && [ -f "$diary/doselog.csv" ] || fail "files removed before the question was answered"
# Drawn, not a black rectangle: the page is light on the screen.
shot=$state/uninstall-question.png
DISPLAY=:$(cat "$state/run/display") import -window root -crop "$(tail -1 <<<"$page")" "$shot" ||
  fail "no screenshot"
brightness=$(/usr/bin/convert "$shot" -format '%[fx:mean]' info:)
awk "BEGIN { exit !($brightness > 0.5) }" || fail "the first page is not drawn (brightness $brightness, see $shot)"
w "$probe" choose "一起删除" || fail "cannot choose to delete"
w "$probe" press 1 || fail "no uninstall button"
wait_gone "$diary" || fail "the diary folder stayed"
wait_gone "$dir" || fail "the program folder stayed"
[ -z "$(reg_value 'HKCU\Software' Quorvane)" ] || fail "the record stayed"
echo "installer and uninstaller as expected"
