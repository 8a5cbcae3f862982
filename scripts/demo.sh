#!/usr/bin/env bash
# The bundled demonstration: builds a small New and Old pair with fixed times that shows
# every status and a moved file, then compares New with the Old directory, with a ZIP of
# it and with a snapshot of it, printing each diff report.
# Usage: scripts/demo.sh QUORVANE_BINARY
set -euo pipefail
quorvane=$(realpath "$1")
export TZ=UTC
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-demo.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

put() {  # put FILE TIME CONTENT
  mkdir -p "$(dirname "$1")"
  printf '%s' "$3" > "$1"
  touch -d "$2" "$1"
}
T="2024-03-01 12:00:00"
put old/same.txt           "$T" "unchanged"
put new/same.txt           "$T" "unchanged"
put old/crc.txt            "$T" "abcdef"
put new/crc.txt            "$T" "abcxyz"      # same size and time, other bytes
put new/docs/inserted.txt  "$T" "only in New"
put old/docs/deleted.txt   "$T" "only in Old"
put old/src/newer.c        "$T" "int x;"
put new/src/newer.c        "2024-03-02 08:30:00" "int x;"
put old/src/older.c        "2024-03-02 08:30:00" "int y;"
put new/src/older.c        "$T" "int y;"
put old/src/bigger.h       "$T" "#define A"
put new/src/bigger.h       "$T" "#define A 1"
put old/src/smaller.h      "$T" "#define B 22"
put new/src/smaller.h      "$T" "#define B"
put old/lib/moved.dat      "$T" "moved data"  # moved from lib/ to archive/
put new/archive/moved.dat  "$T" "moved data"

(cd old && zip -q -r -X ../old.zip .)
"$quorvane" -A -L old -O:old.snp >/dev/null 2>&1 || true

run() {
  echo
  echo "=== quorvane -A -MO $1 $2 -O:report.txt"
  set +e
  "$quorvane" -A -MO "$1" "$2" -O:report.txt
  local code=$?
  set -e
  tr -d '\r' < report.txt
  echo "(exit code $code: 0 no differences, 2 differences, 1 error)"
}
run new old
run new old.zip
run new old.snp
