#!/usr/bin/env bash
# A user's journey through the real program on a real X display: open every window from the
# menus by their access keys, enter fuelings through the dialog, save, make one more change
# and quit through the save question; then check the saved file. Screenshots of each step are
# kept in OUTDIR. Every wait is for something to happen on screen, bounded in time.
# usage: desktop_journey.sh FENLO FENLO_CLI SAMPLE OUTDIR
set -euo pipefail
fenlo=$1 cli=$2 sample=$3 out=$4
. "$(dirname "$0")/../support/xsession.sh"
xsession_require Xvfb xdotool import
xsession_start
mkdir -p "$out"
rm -f "$out"/*.png
cp "$sample" "$work/journey.fnl"

fail() { echo "journey failed: $*"; import -window root "$out/failure.png" || true; exit 1; }
screen() { import -window root rgb:- 2>/dev/null | md5sum; }
step=0
# Runs the keys, then waits until the screen shows something new and keeps a picture of it.
keys_then_shot() {
    local name=$1; shift
    local before; before=$(screen)
    xdotool key --delay 60 "$@"
    for _ in $(seq 100); do
        [ "$(screen)" != "$before" ] && break
        sleep 0.1
    done
    [ "$(screen)" != "$before" ] || fail "nothing changed after: $*"
    sleep 0.2 # let the window finish painting before the picture
    step=$((step + 1))
    import -window root "$out/$(printf '%02d' $step)-$name.png"
}
window_named() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1; }
wait_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' did not close"
}
fuelings() { "$cli" info "$work/journey.fnl" | sed -n 's/^給油データ: //p'; }

"$fenlo" "$work/journey.fnl" &
app=$!
pids+=($app)
frame=$(window_named 'journey.fnl') || fail "the frame did not appear"
xdotool windowfocus --sync "$frame"
[ "$(fuelings)" = 103 ] || fail "the sample does not hold 103 fuelings"

# Every window from its menu, by the access keys.
keys_then_shot car-name alt+n s
keys_then_shot makers alt+n g
keys_then_shot memos alt+n m
keys_then_shot display1 alt+s 1
keys_then_shot monthly alt+s b
keys_then_shot display2 alt+s 2
keys_then_shot by-maker alt+s m
keys_then_shot by-category alt+s n
keys_then_shot csv alt+s t
keys_then_shot cascade alt+w c

# A fueling through the dialog: date, hour, no odometer, trip, litres, maker and category as
# offered, amount, comment; then register.
# The fueling list must be the active window; the dialog comes back to it.
enter_fueling() {
    local day=$1
    xdotool key Insert
    local dialog; dialog=$(window_named '^追加$') || fail "the entry dialog did not open"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 40 "2026"
    xdotool key Return
    xdotool type --delay 40 "1"
    xdotool key Return
    xdotool type --delay 40 "$day"
    xdotool key Return
    xdotool type --delay 40 "9"
    xdotool key Return Return
    xdotool type --delay 40 "450"
    xdotool key Return
    xdotool type --delay 40 "32.5"
    xdotool key Return Return Return
    xdotool type --delay 40 "5200"
    xdotool key Return
    xdotool type --delay 40 "journey $day"
    keys_then_shot "dialog-$day" Tab
    xdotool key alt+t
    wait_gone '^追加$'
    xdotool windowfocus --sync "$frame"
}

keys_then_shot fueling-list alt+n k
enter_fueling 10
xdotool key --delay 60 alt+f s # the screen looks the same afterwards: watch the file instead
for _ in $(seq 50); do [ "$(fuelings)" = 104 ] && break; sleep 0.1; done
[ "$(fuelings)" = 104 ] || fail "上書き保存 did not write the new fueling"

enter_fueling 20
xdotool key --delay 60 alt+f x
question=$(window_named '^燃費管理「ふぇんろ」$') || fail "no save question on quitting"
xdotool windowfocus --sync "$question"
import -window root "$out/$(printf '%02d' $((step + 1)))-save-question.png"
xdotool key alt+y
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not quit"
[ "$(fuelings)" = 105 ] || fail "the save question did not save the second fueling"
"$cli" report list "$work/journey.fnl" | grep -q 'journey 20' || fail "the comment was not stored"
echo "journey passed: $step screenshots in $out"
