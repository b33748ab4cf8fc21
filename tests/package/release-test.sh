#!/usr/bin/env bash
# release-test.sh WINE_SH STATE WORK PACKAGE -- MAKE_PACKAGE_ARGUMENTS...
# What package.sh hands out. Made again from a copy of the program with
# another file time and under another clock, the unsigned files are the
# build's own (PACKAGE) byte for byte. Made with a throwaway self-signed
# certificate and no time stamp (the test stays off the network), the
# program, the uninstaller the installer writes and the installer pass
# `osslsigncode verify`; the uninstaller is checked as installed under Wine
# (WINE_SH run STATE ...). WORK is a scratch folder.
set -u
wine_sh=$1 state=$2 work=$3 package=$4
shift 5  # and the "--"
make_package=$1 program=$2
shift 2
fail() { echo "FAIL: $*"; exit 1; }
w() { "$wine_sh" run "$state" "$@"; }
rm -rf "$work" && mkdir -p "$work"

echo "unsigned: the same bytes from a later run"
cp "$program" "$work/Quorvane.exe"
touch -d '2001-02-03 04:05:06' "$work/Quorvane.exe"
env -u QUORVANE_SIGN_PFX faketime '2031-03-04 05:06:07' "$make_package" "$work/again" "$work/Quorvane.exe" "$@" ||
  fail "make-package.sh failed"
for file in $(cd "$package" && ls Quorvane-* stage/Uninstall.exe); do
  cmp "$package/$file" "$work/again/$file" || fail "$file differs from one run to the next"
done

echo "signed with a throwaway certificate"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/certificate.pem" -days 2 \
  -subj "/CN=Quorvane test" -addext extendedKeyUsage=codeSigning 2>/dev/null &&
  openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" -out "$work/signing.pfx" \
    -passout pass:throwaway || fail "no certificate"
# The time-stamp server, after the five other arguments: none.
QUORVANE_SIGN_PFX=$work/signing.pfx QUORVANE_SIGN_PASSWORD=throwaway \
  "$make_package" "$work/signed" "$program" "${@:1:5}" "" || fail "make-package.sh failed to sign"
signed=$(ls "$work"/signed/Quorvane-*-setup.exe)
verify() { osslsigncode verify -CAfile "$work/certificate.pem" -in "$1" >"$work/verify.log" 2>&1; }
for file in "$work/signed/stage/Quorvane.exe" "$work/signed/stage/Uninstall.exe" "$signed"; do
  verify "$file" || fail "$file is not signed: $(cat "$work/verify.log")"
done
verify "$package/stage/Uninstall.exe" && fail "an unsigned build signed the uninstaller"
python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read("Quorvane.exe"))' \
  "$work"/signed/Quorvane-*-win64.zip >"$work/zipped.exe" && verify "$work/zipped.exe" ||
  fail "the zip holds an unsigned program"

echo "the signed uninstaller, as the installer writes it"
user=$(ls "$state/run/prefix/drive_c/users" | grep -vx Public | head -1)
installed=$state/run/prefix/drive_c/users/$user/AppData/Local/Programs/Quorvane
w "$signed" /S || fail "the signed installer failed"
cmp "$installed/Uninstall.exe" "$work/signed/stage/Uninstall.exe" && verify "$installed/Uninstall.exe" ||
  fail "the installed uninstaller is not the signed one"
w "C:\\users\\$user\\AppData\\Local\\Programs\\Quorvane\\Uninstall.exe" /S || fail "uninstall failed"
echo "reproducible unsigned, verified signed"
