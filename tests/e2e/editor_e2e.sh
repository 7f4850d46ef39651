#!/bin/bash
# Starts the built editor under X with a temporary settings store and
# application folder and checks what a user would see.
set -u
BIN=$1
HERE=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"; kill $(jobs -p) 2>/dev/null' EXIT
export KORVELVBS_CONFIG_DIR=$WORK/config
# The rest of the suite runs Qt offscreen; this test needs the real X server.
export QT_QPA_PLATFORM=xcb
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Waits for a visible window whose title matches; prints its id.
wait_window() {
    local pattern=$1 tries=${2:-100} id
    for _ in $(seq 1 "$tries"); do
        id=$(timeout 5 xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

app_folder() {
    local dir=$WORK/app$1
    mkdir -p "$dir/scripts"
    cp "$BIN/stslist.dat" "$dir/"
    cp -r "$BIN/scripts/." "$dir/scripts/"
    echo "$dir"
}

# 1. The splash, then the main window, with the script from the command line.
printf 'MsgBox "e2e"\r\n' > "$WORK/given file.vbs"
APP=$(app_folder 1)
KORVELVBS_APPDIR=$APP "$BIN/korvelvbs" "$WORK/given file.vbs" &
PID=$!
wait_window '^VBS编辑器' 150 > /dev/null || fail "splash not shown"
MAIN=$(wait_window '^KorvelVBS编辑器$' 300) || fail "main window not shown after the splash"
if [ -n "${MAIN:-}" ]; then
    xdotool search --onlyvisible --name '^VBS编辑器' > /dev/null 2>&1 && fail "splash still shown with the main window"
    # 2. The close picture at the right end of the title strip ends the process.
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$MAIN")"
    timeout 5 xdotool mousemove --window "$MAIN" $((WIDTH - 22)) 16 click 1
    for _ in $(seq 1 150); do kill -0 $PID 2>/dev/null || break; sleep 0.1; done
    kill -0 $PID 2>/dev/null && { fail "close picture did not end the process"; kill $PID; }
fi
kill $PID 2>/dev/null; wait $PID 2>/dev/null

# 3. The script given on the command line is what the editor holds.
OUT=$(KORVELVBS_APPDIR=$APP KORVELVBS_STARTUP_PROBE=1 timeout 60 "$BIN/korvelvbs" "$WORK/given file.vbs")
[ "$OUT" = "ready $WORK/given file.vbs 12" ] || fail "command-line file not opened: '$OUT'"

# 4. Without stslist.dat: the critical message, then the safe-mode editor,
#    whose close button ends the program.
EMPTY=$WORK/empty; mkdir -p "$EMPTY"
KORVELVBS_APPDIR=$EMPTY "$BIN/korvelvbs" &
PID=$!
MSG=$(wait_window '^KorvelVBS编辑器' 300) || fail "safe-mode message not shown"
if [ -n "${MSG:-}" ]; then
    timeout 5 xdotool windowfocus "$MSG" 2>/dev/null
    timeout 5 xdotool key Return
    SAFE=$(wait_window '^安全模式' 300) || fail "safe-mode editor not shown"
    xdotool search --onlyvisible --name '^KorvelVBS编辑器$' > /dev/null 2>&1 && fail "main window shown in safe mode"
    if [ -n "${SAFE:-}" ]; then
        eval "$(timeout 5 xdotool getwindowgeometry --shell "$SAFE")"
        timeout 5 xdotool mousemove --window "$SAFE" $((WIDTH - 26)) 20 click 1
        for _ in $(seq 1 150); do kill -0 $PID 2>/dev/null || break; sleep 0.1; done
        kill -0 $PID 2>/dev/null && { fail "safe-mode close did not end the process"; kill $PID; }
    fi
fi
kill $PID 2>/dev/null; wait $PID 2>/dev/null

# 5. --version and --help need no display.
[ "$(DISPLAY= "$BIN/korvelvbs" --version)" = "KorvelVBS编辑器 1.131" ] || fail "--version"
DISPLAY= "$BIN/korvelvbs" --help | grep -q "用法" || fail "--help"

[ $failures -eq 0 ] && echo "all end-to-end checks passed"
exit $failures
