#!/usr/bin/env bash
# Makes the files a patient downloads, in dist/: the installer, the zip for
# those who do not install, and SHA256SUMS for both. Installs what is
# missing and builds everything first.
#
# With a code-signing certificate (QUORVANE_SIGN_PFX, a PKCS#12 file, and
# its password in QUORVANE_SIGN_PASSWORD) the program, the uninstaller and
# the installer are signed and time-stamped (build setting
# QUORVANE_TIMESTAMP_URL). Without one nothing is signed, and every run on
# the same sources gives the same bytes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"

echo "Quorvane.exe: $(stat -c %s "$root/build/win/Quorvane.exe") bytes"

if [ -n "${QUORVANE_SIGN_PFX:-}" ]; then
  if [ ! -f "$QUORVANE_SIGN_PFX" ]; then
    echo "QUORVANE_SIGN_PFX names no file: $QUORVANE_SIGN_PFX" >&2
    exit 1
  fi
  cmake --build "$root/build/win" --target quorvane_release
  made=$root/build/win/release
  echo "Signed with $QUORVANE_SIGN_PFX"
else
  made=$root/build/win/package
  echo "No certificate (QUORVANE_SIGN_PFX is not set): nothing is signed"
fi

# Only what this script makes: dist/tips from publish-tips.sh stays.
mkdir -p "$root/dist"
rm -f "$root"/dist/Quorvane-* "$root/dist/SHA256SUMS"
cp "$made"/Quorvane-*-setup.exe "$made"/Quorvane-*-win64.zip "$root/dist/"
(cd "$root/dist" && sha256sum Quorvane-* >SHA256SUMS)
ls -l "$root/dist"
