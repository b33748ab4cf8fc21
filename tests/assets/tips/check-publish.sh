#!/usr/bin/env bash
# check-publish.sh PUBLISH KEY FOLDER SHIPPED PUBLIC
set -u
publish=$1 key=$2 folder=$3 shipped=$4 public=$5
rm -rf "$folder"
"$publish" "$key" "$folder" >/dev/null || { echo "FAIL: publish-tips.sh failed"; exit 1; }
cmp "$folder/dl/tipofday.txt" "$shipped" || { echo "FAIL: not the shipped tip file"; exit 1; }
openssl dgst -sha256 -verify "$public" -signature "$folder/dl/tipofday.txt.sig" "$folder/dl/tipofday.txt" ||
  { echo "FAIL: openssl refuses the signature"; exit 1; }
# Signed with a key the program does not carry: refused, nothing left to upload.
openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$folder/stranger.pem" 2>/dev/null
if "$publish" "$folder/stranger.pem" "$folder/stranger" >/dev/null 2>&1 ||
  [ -e "$folder/stranger/dl/tipofday.txt.sig" ]; then
  echo "FAIL: published with a key the program does not carry"
  exit 1
fi
