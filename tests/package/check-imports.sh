#!/usr/bin/env bash
# check-imports.sh OBJDUMP PROGRAM LIST
# Fails when PROGRAM imports a function that LIST does not hold, or when LIST
# holds one that needs a Windows newer than 7 SP1: the loader of an older
# Windows refuses a program whose imports it cannot resolve.
set -euo pipefail
export LC_ALL=C
objdump=$1 program=$2 list=$3

entries=$(grep -v '^#' "$list" | awk 'NF')
newer=$(awk '$3 !~ /^(2000|XP|Vista|7|msvcrt)$/' <<<"$entries")
if [ -n "$newer" ]; then
  printf 'Listed as needing a Windows newer than 7 SP1:\n%s\n' "$newer"
  exit 1
fi

# "DLL Name:" opens each DLL's imports; a line "<hint address> <hint> <name>"
# follows for every function; a line starting in column 0 ends the table.
imports=$("$objdump" -p "$program" | awk '
  /^[^ \t]/ { dll = "" }
  /DLL Name:/ { dll = tolower($3); next }
  dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print dll, $3 }' | sort -u)
if [ -z "$imports" ]; then
  echo "No imports read from $program"
  exit 1
fi
unlisted=$(comm -23 <(cat <<<"$imports") <(awk '{ print $1, $2 }' <<<"$entries" | sort -u))
if [ -n "$unlisted" ]; then
  printf 'Imported but not in %s (add each with the minimum client its documentation gives):\n%s\n' \
    "$(basename "$list")" "$unlisted"
  exit 1
fi
echo "$(wc -l <<<"$imports") imports, all on the list"
