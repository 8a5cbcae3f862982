#!/usr/bin/env bash
# The headless program's start-up: a quick comparison of two one-file trees written to a
# report, against the 10 ms limit, timed by hyperfine without a shell between the runs
# (a shell's fork and exec would be counted otherwise); beside it the start of /bin/true,
# the floor of any program on this machine, and `quorvane --version`. Then the shared
# libraries the run loads (the window module and Qt must not be among them).
#   QUORVANE_BENCH_RUNS  runs of each command (default 200)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib/timing.sh"
"$here/../scripts/install-deps.sh" hyperfine >/dev/null
program="${QUORVANE_BENCH_BUILD:?}/src/app/quorvane"
runs=${QUORVANE_BENCH_RUNS:-200}
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/new" "$work/old"
echo same > "$work/new/a.txt"
cp -p "$work/new/a.txt" "$work/old/a.txt"
export QUORVANE_INI="$work/Quorvane.ini"
quick="$program -A -Q $work/new $work/old -O:$work/report.txt"

$quick >/dev/null 2>&1 || true
grep -q "a.txt" "$work/report.txt" || { echo "startup: the comparison wrote no report" >&2; exit 1; }
hyperfine -N --warmup 20 --runs "$runs" -i --export-json "$work/times.json" --style none \
  "/bin/true" "$program --version" "$quick" >/dev/null 2>&1
mean() { python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['results'][int(sys.argv[2])]['mean'])" "$work/times.json" "$1"; }
floor=$(mean 0) version=$(mean 1) comparison=$(mean 2)
ms() { awk -v s="$1" 'BEGIN { printf "%.1f ms", s * 1000 }'; }
echo "quick comparison of two one-file trees: $(ms "$comparison") (limit 10 ms, ratio $(ratio "$comparison" 0.010))"
echo "  beside it: /bin/true $(ms "$floor"), quorvane --version $(ms "$version")"
libraries=$(LD_DEBUG=libs $quick 2>&1 | grep -c "calling init:" || true)
qt=$(LD_DEBUG=libs $quick 2>&1 | grep "calling init:" | grep -c -i "qt6\|quorvane-window" || true)
echo "shared libraries initialised: $libraries (Qt or the window module among them: $qt)"
