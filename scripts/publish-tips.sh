#!/usr/bin/env bash
# publish-tips.sh [KEY [FOLDER]]
# Makes the files the tips server hands out: the tip file built from the
# reviewed source resources/tips/tipofday.txt (GBK, CR LF: the bytes the
# program ships as TIPOFDAY.TXT) and its signature, made with the private key
# KEY (PEM; default: the development key the build made,
# build/tips-signing/private.pem). Writes FOLDER/dl/tipofday.txt and
# FOLDER/dl/tipofday.txt.sig (default FOLDER: dist/tips); upload dl/ to the
# root of the tips server. A key protected by a pass phrase asks for it.
# The signature is checked against the public key of the native build
# (QUORVANE_BUILD_DIR, default build/linux), the one Quorvane.exe carries.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
key=${1:-$root/build/tips-signing/private.pem}
out=${2:-$root/dist/tips}
build=${QUORVANE_BUILD_DIR:-$root/build/linux}

if [ ! -f "$key" ]; then
  echo "No private key $key. Build once (./scripts/build.sh) for the development key," >&2
  echo "or name the publisher's key: $0 KEY" >&2
  exit 1
fi

# The build's own converter, so the file is byte for byte the one shipped.
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target guidetool >/dev/null
public=$(sed -n 's/^QUORVANE_TIPS_PUBLIC_KEY:FILEPATH=//p' "$build/CMakeCache.txt")
[ -n "$public" ] || public=$(sed -n 's/^QUORVANE_TIPS_SIGNING_DIR:PATH=//p' "$build/CMakeCache.txt")/public.pem

mkdir -p "$out/dl"
tips=$out/dl/tipofday.txt
"$build/tools/guidetool/guidetool" text "$root/resources/tips/tipofday.txt" "$tips"
openssl dgst -sha256 -sign "$key" -out "$tips.sig" "$tips"
if ! openssl dgst -sha256 -verify "$public" -signature "$tips.sig" "$tips" >/dev/null; then
  echo "$key is not the private half of $public, the key the program is built with:" >&2
  echo "the program would refuse this file." >&2
  rm -f "$tips" "$tips.sig"
  exit 1
fi
echo "Signed with $key, checked with $public:"
ls -l "$out/dl"
