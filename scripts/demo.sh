#!/usr/bin/env bash
# The bundled demonstration: builds a small New and Old pair with fixed times that shows
# every status and a moved file, then compares New with the Old directory, with a ZIP of
# it and with a snapshot of it, printing each diff report. With --window, and a display to
# show it on, it opens the window on the pair instead, compared at once.
# Usage: scripts/demo.sh QUORVANE_BINARY [--window]
set -euo pipefail
quorvane=$(realpath "$1")
scripts=$(cd "$(dirname "$0")" && pwd)
window=${2:-}
export TZ=UTC
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-demo.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

source "$scripts/demo_pair.sh"
"$quorvane" -A -L old -O:old.snp >/dev/null 2>&1 || true

if [ "$window" = "--window" ]; then
  # Start-up compares sets named on the command line at once (StartIfCmdLine).
  set +e
  "$quorvane" -MO new old
  exit $?
fi

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
