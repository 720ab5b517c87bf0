#!/usr/bin/env bash
# Makes the shipped site list data/MenuList.csv (Shift_JIS, CR LF line ends, as the settings
# program reads and writes list files) from its UTF-8 source data/MenuList.utf8.csv.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sed 's/\r$//; s/$/\r/' "$root/data/MenuList.utf8.csv" | iconv -f UTF-8 -t CP932 >"$root/data/MenuList.csv.tmp"
mv "$root/data/MenuList.csv.tmp" "$root/data/MenuList.csv"
