#!/usr/bin/env bash
# The HTML diff report of the demonstration pair (with a few names that need escaping and a
# FAT-like two-second time shift under a time tolerance) written by the headless program,
# opened in headless Chromium and saved as docs/screenshots/html-report.png.
# Needs chromium (scripts/install-deps.sh chromium).
# Usage: scripts/html_report_screenshot.sh QUORVANE_BINARY [OUTPUT_DIR]
set -euo pipefail
quorvane=$(realpath "$1")
scripts=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "${2:-$scripts/../docs/screenshots}")
mkdir -p "$out"
export TZ=UTC
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-html-shot.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
source "$scripts/demo_pair.sh"
put "new/names/a, \"quoted\" <b> & c.txt" "$T" "escaped"
put "old/names/a, \"quoted\" <b> & c.txt" "$T" "escaped"
put new/names/fat-copy.txt "2024-03-01 12:00:02" "same"
put old/names/fat-copy.txt "$T" "same"
printf 'x' > "new/names/caf$(printf '\351').txt"
touch -d "$T" "new/names/caf$(printf '\351').txt"
export QUORVANE_INI="$work/Quorvane.ini"
printf '[Quorvane]\nCheckMovedFiles=1\n[Layout]\nDiffMovedTo=1\n[Display]\nColorSet=1\n' > "$QUORVANE_INI"
status=0
QT_QPA_PLATFORM=offscreen "$quorvane" -A -MO --TimeTolerance:2 --Format:html -O:"$work/report.html" new/ old/ || status=$?
[ "$status" -le 2 ] || exit "$status"
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1360,700 \
  --screenshot="$out/html-report.png" "file://$work/report.html" >/dev/null 2>&1
echo "$out/html-report.png"
