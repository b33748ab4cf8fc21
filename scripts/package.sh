#!/usr/bin/env bash
# Makes the files a patient downloads, in dist/: the installer, the zip for
# those who do not install, and SHA256SUMS for both. Installs what is
# missing and builds everything first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# The program with both guides inside; well above it, something went wrong.
readonly size_limit=614400

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"

program="$root/build/win/Quorvane.exe"
size=$(stat -c %s "$program")
echo "Quorvane.exe: $size bytes (limit $size_limit)"
if [ "$size" -ge "$size_limit" ]; then
  echo "Quorvane.exe is larger than $size_limit bytes" >&2
  exit 1
fi

rm -rf "$root/dist"
mkdir -p "$root/dist"
cp "$root"/build/win/package/Quorvane-*-setup.exe "$root"/build/win/package/Quorvane-*-win64.zip "$root/dist/"
(cd "$root/dist" && sha256sum Quorvane-* >SHA256SUMS)
ls -l "$root/dist"
