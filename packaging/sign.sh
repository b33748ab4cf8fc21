#!/usr/bin/env bash
# sign.sh FILE
# Signs the Windows program FILE in place: Authenticode with SHA-256, by
# osslsigncode, with the certificate QUORVANE_SIGN_PFX (a PKCS#12 file) and
# its password QUORVANE_SIGN_PASSWORD, and a time stamp from the RFC 3161
# server QUORVANE_TIMESTAMP_URL (no time stamp when it is empty). The
# signature names Quorvane and QUORVANE_ABOUT_URL.
set -euo pipefail
file=$1
if [ -z "${QUORVANE_SIGN_PFX:-}" ]; then
  echo "sign.sh: QUORVANE_SIGN_PFX names no certificate" >&2
  exit 1
fi
options=(-pkcs12 "$QUORVANE_SIGN_PFX" -h sha256 -n Quorvane)
[ -n "${QUORVANE_ABOUT_URL:-}" ] && options+=(-i "$QUORVANE_ABOUT_URL")
[ -n "${QUORVANE_TIMESTAMP_URL:-}" ] && options+=(-ts "$QUORVANE_TIMESTAMP_URL")
rm -f "$file.signed"
# The password through a pipe, not the command line, where others could see it.
osslsigncode sign "${options[@]}" -readpass <(printf '%s' "${QUORVANE_SIGN_PASSWORD:-}") \
  -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
