#!/bin/sh
# Starts the game under a real X server with a window manager (Xvfb and
# openbox) and checks that its frame, title bar included, appears centred on
# the screen and is never moved after it first shows.
#
#   frame-centred.sh GAME
#
# Exits 77 (skipped) where Xvfb, openbox, xev, xwininfo or xdotool is
# missing, except under CI (CI set), where scripts/install-deps puts them.
set -u
game=$1
for tool in Xvfb openbox xev xwininfo xdotool; do
    if ! command -v $tool >/dev/null 2>&1; then
        [ -n "${CI:-}" ] && { echo "FAIL: $tool not found"; exit 1; }
        echo "$tool not found: skipped"
        exit 77
    fi
done

work=$(mktemp -d)
pids=
cleanup() { for pid in $pids; do kill "$pid" 2>/dev/null; done; rm -rf "$work"; }
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids="$!"
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
# openbox runs its start-up command once it manages the screen; before that a
# request sent to it (the game's for its frame) would be lost.
openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
pids="$pids $!"
for _ in $(seq 300); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
[ -e "$work/wm-ready" ] || { echo "FAIL: openbox did not start"; exit 1; }

xev -root -event substructure >"$work/xev" 2>&1 &
pids="$pids $!"
sleep 0.3
QT_QPA_PLATFORM=xcb "$game" >/dev/null 2>&1 &
pids="$pids $!"

window=
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Pellwick Sudoku [0-9]' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the game's window never showed"; exit 1; }
sleep 1

# The frame as it stands now, and the screen.
# The window manager's frame is the parent it put the game's window in.
parent=$(xwininfo -children -id "$window" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
frame_x=$(xwininfo -id "$parent" | sed -n 's/.*Absolute upper-left X: *//p')
frame_y=$(xwininfo -id "$parent" | sed -n 's/.*Absolute upper-left Y: *//p')
frame_w=$(xwininfo -id "$parent" | sed -n 's/.*Width: *//p')
frame_h=$(xwininfo -id "$parent" | sed -n 's/.*Height: *//p')
echo "frame at ($frame_x, $frame_y), $frame_w x $frame_h, on a 1280 x 1024 screen"

status=0
# Twice the centre's offset from the screen's centre: 0, or 1 for an odd difference.
off_x=$((2 * frame_x + frame_w - 1280))
off_y=$((2 * frame_y + frame_h - 1024))
if [ "${off_x#-}" -gt 1 ] || [ "${off_y#-}" -gt 1 ]; then
    echo "FAIL: the frame's centre is off the screen's centre by ($off_x / 2, $off_y / 2)"
    status=1
fi

# Every position the frame window was given once mapped: only its place now.
moves=$(awk -v frame="$parent" '
    /^MapNotify/ { getline; if ($0 ~ "window " frame ",") mapped = 1 }
    /^ConfigureNotify/ { getline; if (mapped && $0 ~ "window " frame "," && match($0, /\(-?[0-9]+,-?[0-9]+\)/)) print substr($0, RSTART, RLENGTH) }
' "$work/xev" | sort -u)
if [ -n "$moves" ] && [ "$moves" != "($frame_x,$frame_y)" ]; then
    echo "FAIL: the frame moved after it showed, through: $(echo $moves)"
    status=1
fi
[ $status -eq 0 ] && echo "the frame showed centred and did not move"
exit $status
