#!/usr/bin/env bash
# Builds the demonstration pair in the current directory: new/ and old/ with fixed times,
# showing every status and a moved file, and old.zip, the Old directory as an archive.
# Sourced by scripts/demo.sh and scripts/screenshots.sh; needs TZ=UTC for stable times.
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
