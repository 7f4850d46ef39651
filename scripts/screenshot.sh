#!/bin/sh
# Takes the README's screenshot from the real program under Xvfb:
# docs/screenshot-main.png shows the main window with a sample script open.
# Usage: scripts/screenshot.sh [build dir]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build"}
if [ -z "${KORVEL_IN_XVFB:-}" ]; then
    KORVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$BUILD"
fi
CFG=$(mktemp -d)
KORVELVBS_CONFIG_DIR=$CFG "$BUILD/bin/korvelvbs" "$ROOT/docs/hello.vbs" &
PID=$!
WID=""
for _ in $(seq 1 100); do
    WID=$(xdotool search --onlyvisible --name '^KorvelVBS编辑器' 2>/dev/null | head -1 || true)
    [ -n "$WID" ] && break
    sleep 0.1
done
[ -n "$WID" ] || { kill $PID; echo "main window did not appear" >&2; exit 1; }
sleep 0.5
/usr/bin/import -window "$WID" "$ROOT/docs/screenshot-main.png"
kill $PID 2>/dev/null || true
wait $PID 2>/dev/null || true

# A statement being inserted: double-click the first entry of the list,
# accept the suggested text, and catch the option dialog that follows.
KORVELVBS_CONFIG_DIR=$CFG "$BUILD/bin/korvelvbs" &
PID=$!
WID=""
for _ in $(seq 1 100); do
    WID=$(xdotool search --onlyvisible --name '^KorvelVBS编辑器$' 2>/dev/null | head -1 || true)
    [ -n "$WID" ] && break
    sleep 0.1
done
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$WID")"
xdotool mousemove $((X + 700)) $((Y + 134)) click --repeat 2 --delay 80 1
sleep 1
xdotool key Return
sleep 0.8
/usr/bin/import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$ROOT/docs/screenshot-statement.png"
kill $PID 2>/dev/null || true
rm -rf "$CFG"
echo "wrote docs/screenshot-main.png and docs/screenshot-statement.png"
