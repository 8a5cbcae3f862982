#!/usr/bin/env bash
# Takes the window's screenshots for docs/screenshots/ on a virtual X display (Xvfb), driving
# the real program as a user would: the demonstration comparison in each colour set, snapshot
# mode, the progress dialog during a run over a large tree, the status window, the about box
# (through the Help menu), the splash, each menu of the menu bar open, the grid's popup menu
# on a moved entry and the Take Snapshot question. Needs xvfb, xdotool and imagemagick.
# Usage: scripts/screenshots.sh QUORVANE_BINARY [OUTPUT_DIR] [LARGE_TREE]
# QUORVANE_SHOTS=menus takes only the menus' screenshots, QUORVANE_SHOTS=sync only those of
# the synchronization and file operations dialogs, QUORVANE_SHOTS=search only those of the
# search dialog, the file information of a moved entry and the user tool dialog;
# QUORVANE_SHOTS=options takes those of the Options dialog's pages, the directory chooser
# and the include/exclude directories editor (not part of the default run);
# QUORVANE_SHOTS_DISPLAY names the virtual display (default :97).
set -euo pipefail
quorvane=$(realpath "$1")
scripts=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "${2:-$scripts/../docs/screenshots}")
large=${3:-/usr/share}
mkdir -p "$out"
export TZ=UTC
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-shots.XXXXXX")
display=${QUORVANE_SHOTS_DISPLAY:-:97}
only=${QUORVANE_SHOTS:-all}
Xvfb "$display" -screen 0 1000x660x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
cd "$work"
source "$scripts/demo_pair.sh"

# ini COLOUR_SET [KEY=VALUE of [Quorvane] ...] -- writes a settings file and points QUORVANE_INI at it.
ini() {
  local colours=$1
  shift
  export QUORVANE_INI="$work/Quorvane.ini"
  {
    echo "[Quorvane]"
    for kv in "$@"; do echo "$kv"; done  # the first of a repeated key counts
    echo "Build=February 21, 2005"
    echo "SaveWindowPos=1"
    echo "ShowStatusDlg=0"
    echo "CloseProgressDlg=1"
    echo "[WindowPos]"
    echo "Position=T0L0H660W1000"
    echo "State=0"
    echo "[Display]"
    echo "ColorSet=$colours"
  } > "$QUORVANE_INI"
}

# shot FILE SECONDS KEYS ARGS... -- starts Quorvane, waits, presses KEYS ("-" for none) as a
# user would, takes the whole screen and ends the program.
shot() {
  local file=$1 wait=$2 keys=$3
  shift 3
  "$quorvane" "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep "$wait"
  if [ "$keys" != "-" ]; then
    for key in $keys; do xdotool key --clearmodifiers "$key"; sleep 0.4; done
    sleep 0.5
  fi
  import -window root "$out/$file"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$file"
}

if [ "$only" = all ]; then
names=("windows16" "pastel" "dos" "custom")
for set in 0 1 2 3; do
  ini "$set"
  # Return closes the "moved files found" box.
  shot "comparison-${names[$set]}.png" 2 Return -NOLOGO -MO new old
done

ini 1
shot "snapshot-mode.png" 2 - -NOLOGO -L new
ini 1 "ShowStatusDlg=1"
shot "status-window.png" 2 Return -NOLOGO -MO new old
ini 1
shot "progress-dialog.png" 1.5 - -NOLOGO "$large" "$large"
shot "splash.png" 0.8 - new old

# The about box, opened from the Help menu with the keyboard.
ini 1
"$quorvane" -NOLOGO -MO new old >/dev/null 2>&1 &
pid=$!
sleep 1.5
xdotool key --clearmodifiers Return
sleep 0.5
window=$(xdotool search --onlyvisible --name "Quorvane" | head -1)
xdotool windowfocus --sync "$window" key --clearmodifiers alt+h
sleep 0.5
xdotool key a
sleep 1
import -window root "$out/about-box.png"
echo "$out/about-box.png"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
fi

if [ "$only" = all ] || [ "$only" = menus ]; then
  # The menus, on the demonstration comparison, opened with the keyboard; the popup menu by a
  # right click on the moved file's row (the third); the Take Snapshot question (Ctrl+T with
  # results in memory).
  ini 1
  "$quorvane" -NOLOGO -MO new old >/dev/null 2>&1 &
  pid=$!
  sleep 2
  xdotool key --clearmodifiers Return  # the "moved files found" box
  sleep 0.5
  window=$(xdotool search --onlyvisible --name "Quorvane" | head -1)
  xdotool windowfocus --sync "$window"
  menu() {  # menu FILE KEYS...
    local file=$1
    shift
    for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.4; done
    sleep 0.4
    import -window root "$out/$file"
    echo "$out/$file"
    xdotool key Escape Escape
    sleep 0.3
  }
  menu menu-file-set.png alt+t
  menu menu-action.png alt+a
  menu menu-sort-by.png alt+a o
  menu menu-edit.png alt+e
  menu menu-options.png alt+o
  menu menu-help.png alt+h
  row_y=$((87 + 2 * 14))  # the middle of the third row of the grid
  xdotool mousemove 70 "$row_y" click 3
  sleep 0.8
  import -window root "$out/popup-menu-moved.png"
  echo "$out/popup-menu-moved.png"
  xdotool key Escape
  sleep 0.3
  xdotool key --clearmodifiers ctrl+t
  sleep 0.8
  import -window root "$out/take-snapshot-question.png"
  echo "$out/take-snapshot-question.png"
  xdotool key Escape
  sleep 0.3
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
fi

if [ "$only" = all ]; then
  # The main window at 150 % and 200 % scaling, on screens of the scaled size.
  kill $xvfb 2>/dev/null || true
  for scale in 150 200; do
    factor=$(awk -v s="$scale" 'BEGIN { printf "%.1f", s / 100 }')
    width=$((1000 * scale / 100)) height=$((660 * scale / 100))
    Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    ini 1
    QT_SCALE_FACTOR=$factor shot "comparison-scaled-$scale.png" 2.5 Return -NOLOGO -MO new old
    kill $xvfb 2>/dev/null || true
    wait $xvfb 2>/dev/null || true
  done
fi

# The synchronization dialog with the "New is master" preset on all files, its simulation's
# status window, and the file operations dialog, on a screen tall enough for the dialogs.
if [ "$only" = all ] || [ "$only" = sync ]; then
  kill $xvfb 2>/dev/null || true
  wait $xvfb 2>/dev/null || true
  Xvfb "$display" -screen 0 1000x900x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  ini 1
  "$quorvane" -NOLOGO new old >/dev/null 2>&1 &
  pid=$!
  sleep 2.5
  window=$(xdotool search --onlyvisible --name "Quorvane" | head -1)
  xdotool windowfocus --sync "$window" key --clearmodifiers alt+a
  sleep 0.5
  xdotool key s
  sleep 1.5
  xdotool key --clearmodifiers alt+n
  sleep 0.4
  xdotool key --clearmodifiers alt+a
  sleep 0.4
  import -window root "$out/sync-dialog.png"
  echo "$out/sync-dialog.png"
  xdotool key --clearmodifiers alt+u
  sleep 3
  import -window root "$out/sync-status-window.png"
  echo "$out/sync-status-window.png"
  xdotool key Escape  # Close, then the dialog shows again
  sleep 0.8
  xdotool key Escape
  sleep 0.5
  xdotool windowfocus --sync "$window" key --clearmodifiers alt+a
  sleep 0.5
  xdotool key f
  sleep 1.5
  import -window root "$out/file-operations-dialog.png"
  echo "$out/file-operations-dialog.png"
  xdotool key Escape
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
fi

# Taken with QUORVANE_SHOTS=options only: every page of the Options dialog, each opened from
# its entry of the Options menu, on the 1000x660 screen; then the directory chooser in multi-select mode with two included
# directories (from --IncludeDirs) and the include/exclude directories editor on both tabs.
if [ "$only" = options ]; then
  kill $xvfb 2>/dev/null || true
  wait $xvfb 2>/dev/null || true
  Xvfb "$display" -screen 0 1000x660x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  ini 1 "SelectIncludeDirs=1" "ClearIncludeDirs=0"
  mkdir -p tree/docs tree/music tree/photos tree/projects tree/src
  echo "[Directories]" >> "$QUORVANE_INI"
  echo "Exclude=build;cache\\thumbnails" >> "$QUORVANE_INI"
  "$quorvane" -NOLOGO -MO new old "--IncludeDirs:photos;src" >/dev/null 2>&1 &
  pid=$!
  sleep 2
  xdotool key --clearmodifiers Return  # the "moved files found" box
  sleep 0.5
  window=$(xdotool search --onlyvisible --name "Quorvane" | head -1)
  pages=(scanning filters user display layout printing batch tools)
  keys=(s f u d l p b t)
  for i in "${!pages[@]}"; do
    xdotool windowfocus --sync "$window" key --clearmodifiers alt+o
    sleep 0.4
    xdotool key "${keys[$i]}"
    sleep 1
    import -window root "$out/options-${pages[$i]}.png"
    echo "$out/options-${pages[$i]}.png"
    xdotool key Escape
    sleep 0.5
  done
  # The chooser: File Set, Open New directory, then the tree typed as the directory name.
  xdotool windowfocus --sync "$window" key --clearmodifiers alt+t
  sleep 0.4
  xdotool key n
  sleep 1
  xdotool key --clearmodifiers alt+n ctrl+a
  xdotool type --delay 5 "$work/tree"
  sleep 0.3
  xdotool key --clearmodifiers alt+d  # the list: its selection shows
  sleep 0.6
  import -window root "$out/directory-chooser.png"
  echo "$out/directory-chooser.png"
  xdotool key Escape
  sleep 0.5
  xdotool windowfocus --sync "$window" key --clearmodifiers alt+t
  sleep 0.4
  xdotool key d
  sleep 1
  import -window root "$out/include-exclude-directories.png"
  echo "$out/include-exclude-directories.png"
  xdotool key --clearmodifiers ctrl+Tab
  sleep 0.5
  import -window root "$out/include-exclude-directories-exclude.png"
  echo "$out/include-exclude-directories-exclude.png"
  xdotool key Escape
  sleep 0.3
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
fi

# The search dialog after Enter found "lib" half-way down the list (the strip shows where the
# search stopped, the grid's current row is the found entry), the file information of that
# moved entry (Alt+I: the first selected row), and the user tool dialog (Ctrl+U on the row
# of same.txt).
if [ "$only" = search ]; then
  ini 1
  "$quorvane" -NOLOGO -MO new old >/dev/null 2>&1 &
  pid=$!
  sleep 2
  xdotool key --clearmodifiers Return  # the "moved files found" box
  sleep 0.5
  window=$(xdotool search --onlyvisible --name "Quorvane" | head -1)
  xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+f
  sleep 0.8
  xdotool type --delay 60 lib
  xdotool key Return
  sleep 0.8
  import -window root "$out/search-strip.png"
  echo "$out/search-strip.png"
  xdotool key Escape
  sleep 0.5
  xdotool windowfocus --sync "$window" key --clearmodifiers alt+i
  sleep 0.8
  import -window root "$out/file-information-moved.png"
  echo "$out/file-information-moved.png"
  xdotool key Escape
  sleep 0.5
  row_y=$((87 + 1 * 14))  # the middle of the second row of the grid, same.txt
  xdotool mousemove 70 "$row_y" click 1
  sleep 0.4
  xdotool key --clearmodifiers ctrl+u
  sleep 0.8
  import -window root "$out/user-tool-dialog.png"
  echo "$out/user-tool-dialog.png"
  xdotool key Escape
  sleep 0.3
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
fi
