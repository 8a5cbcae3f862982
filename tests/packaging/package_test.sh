#!/usr/bin/env bash
# The Debian package, checked as a user's machine would meet it: the desktop entry, the
# AppStream metadata, the MIME type and the manual page validated; the package installed
# into a throw-away root, its program run (version, and a headless comparison), then
# removed and purged without leftovers.
# Usage: tests/packaging/package_test.sh [BUILD_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
if ! command -v dpkg-deb >/dev/null; then
  echo "package test skipped: this machine has no dpkg-deb"
  exit 0
fi
deb=$("$top/scripts/package.sh" "${1:-}" 2>/dev/null | tail -1)
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "package test FAILED: $*" >&2; exit 1; }

echo "package: $deb ($(du -k "$deb" | cut -f1) kB)"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 xdg-utils; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb --field "$deb" Version)" = "$(sed -n 's/^project(Quorvane VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")" ] ||
  fail "package version differs from the project's"

# The files as installed.
dpkg-deb -x "$deb" "$work/files"
share=$work/files/usr/share
desktop-file-validate "$share/applications/io.github.quorvane.Quorvane.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/io.github.quorvane.Quorvane.metainfo.xml" >/dev/null || fail "metainfo"
mkdir -p "$work/mime/packages"
cp "$share/mime/packages/io.github.quorvane.Quorvane.xml" "$work/mime/packages/"
update-mime-database "$work/mime" 2>"$work/mime.err" || fail "MIME type: $(cat "$work/mime.err")"
grep -q "application/x-quorvane-snapshot" "$work/mime/types" || fail "MIME type not registered"
manual_warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -l "$share/man/man1/quorvane.1.gz" 2>&1 >/dev/null)
[ -z "$manual_warnings" ] || fail "manual page warnings: $manual_warnings"
for size in 16 32 48 64 128 256; do
  [ -s "$share/icons/hicolor/${size}x${size}/apps/io.github.quorvane.Quorvane.png" ] || fail "icon ${size}"
done
bash -n "$share/bash-completion/completions/quorvane" || fail "bash completion"

# Install into a throw-away root, run, remove.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
# The throw-away root has no packages, so dependencies are forced; the program runs on
# this machine's libraries.
dpkg --root="$root" --force-depends --force-not-root -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$work/dpkg.log")"
program=$root/usr/bin/quorvane
[ "$("$program" --version)" = "quorvane $(dpkg-deb --field "$deb" Version)" ] || fail "installed --version"
# The window lives in a module the installed program finds in its library folder.
[ -n "$(find "$root/usr/lib" -name quorvane-window.so)" ] || fail "the window module is not installed"
printf '[Quorvane]\r\nBuild=February 21, 2005\r\n' > "$work/window.ini"
QT_QPA_PLATFORM=offscreen QUORVANE_EXIT_AFTER_STARTUP=1 QUORVANE_INI="$work/window.ini" "$program" -NOLOGO \
  >"$work/window.log" 2>&1 || fail "the installed window did not start: $(cat "$work/window.log")"
mkdir -p "$work/new" "$work/old"
echo same > "$work/new/a.txt"; cp -p "$work/new/a.txt" "$work/old/a.txt"
echo only > "$work/new/b.txt"
set +e
QUORVANE_INI="$work/Quorvane.ini" "$program" -A "$work/new" "$work/old" "-O:$work/report.txt" 2>"$work/run.err"
code=$?
set -e
[ "$code" -eq 2 ] || fail "headless comparison ended with $code: $(cat "$work/run.err")"
grep -q "Inserted *b.txt" "$work/report.txt" || fail "report lacks the inserted file"
dpkg --root="$root" --force-not-root --purge quorvane >"$work/dpkg.log" 2>&1 || fail "dpkg --purge: $(cat "$work/dpkg.log")"
left=$(find "$root" -mindepth 1 -not -path "$root/var" -not -path "$root/var/lib" -not -path "$root/var/lib/dpkg*")
[ -z "$left" ] || fail "left after removal: $left"
echo "package test passed: installed, ran, removed without leftovers"
