#!/usr/bin/env bash
# make-package.sh OUT PROGRAM TIPS ICON VERSION PUBLISHER ABOUT_URL TIMESTAMP_URL
# Makes the files a patient downloads in OUT: Quorvane-VERSION-setup.exe
# (NSIS) and Quorvane-VERSION-win64.zip, from the built PROGRAM, the shipped
# TIPS file and the program's ICON. OUT/stage keeps what went into them,
# the uninstaller the installer writes included.
#
# With a certificate (QUORVANE_SIGN_PFX and QUORVANE_SIGN_PASSWORD in the
# environment) the program, the uninstaller and the installer are signed,
# time-stamped by TIMESTAMP_URL (see sign.sh). Without one nothing is signed,
# and the same inputs give the same bytes: no file carries a time.
set -euo pipefail
out=$1 program=$2 tips=$3 icon=$4 version=$5 publisher=$6 about_url=$7
export QUORVANE_TIMESTAMP_URL=${8:-} QUORVANE_ABOUT_URL=$about_url
here="$(cd "$(dirname "$0")" && pwd)"
stage=$out/stage
setup=$out/Quorvane-$version-setup.exe
zip=$out/Quorvane-$version-win64.zip

# The program with both guides inside; well above it, something went wrong
# (a debug build, or a library pulled in whole).
readonly size_limit=614400
size=$(stat -c %s "$program")
if [ "$size" -ge "$size_limit" ]; then
  echo "Quorvane.exe is $size bytes, not under $size_limit: not packaged" >&2
  exit 1
fi

rm -rf "$stage" "$setup" "$zip"
mkdir -p "$stage"
cp "$program" "$stage/Quorvane.exe"
signing=()
if [ -n "${QUORVANE_SIGN_PFX:-}" ]; then
  "$here/sign.sh" "$stage/Quorvane.exe"
  signing=("-DSIGN=$here/sign.sh")
fi
python3 "$here/make_wizard_bitmap.py" "$icon" "$stage/wizard.bmp"
makensis -V2 -WX -DVERSION="$version" -DPUBLISHER="$publisher" -DABOUT_URL="$about_url" \
  -DPROGRAM="$stage/Quorvane.exe" -DTIPS="$tips" -DICON="$icon" -DWIZARD="$stage/wizard.bmp" \
  -DUNINSTALLER="$stage/Uninstall.exe" "${signing[@]}" -DOUTFILE="$setup" "$here/quorvane.nsi"
[ ${#signing[@]} -eq 0 ] || "$here/sign.sh" "$setup"
python3 "$here/make_zip.py" "$zip" "$stage/Quorvane.exe" "$tips" "$here/zip-readme.txt"
