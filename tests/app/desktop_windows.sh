#!/usr/bin/env bash
# The real program on a real X display with a real window manager (openbox), checked for what
# only a window manager shows: the titles it receives, the actions it allows a fixed dialog,
# where the frame lands run after run, the focus colour after a refused registration, Enter on
# a focused button, and which window has the keyboard after a modal question.
# usage: desktop_windows.sh FENLO FENLO_CLI SAMPLE OUTDIR
set -euo pipefail
fenlo=$1 cli=$2 sample=$3 out=$4
. "$(dirname "$0")/../support/xsession.sh"
xsession_require Xvfb openbox xdotool xprop xwininfo import convert
xsession_start --wm
mkdir -p "$out"
rm -f "$out"/*.png
cp "$sample" "$work/windows.fnl"

ini="$XDG_CONFIG_HOME/fenlo.ini"

fail() { echo "desktop windows failed: $*"; import -window root "$out/failure.png" || true; exit 1; }
screen() { import -window root rgb:- 2>/dev/null | md5sum; }
shot() { import -window root "$out/$1.png"; }
window_named() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1; }
wait_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' did not close"
}
title_of() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
expect_title() {
    local actual; actual=$(title_of "$1")
    [ "$actual" = "$2" ] || fail "the window manager shows the title '$actual', not '$2'"
}
# A fixed dialog may be moved and closed, never resized or maximised.
expect_fixed() {
    local actions; actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
    case "$actions" in *_NET_WM_ACTION_CLOSE*) ;; *) fail "$2 cannot be closed: $actions" ;; esac
    case "$actions" in
        *MAXIMIZE* | *_NET_WM_ACTION_RESIZE*) fail "$2 may be maximised or resized: $actions" ;;
    esac
}
# The outer frame as "left top width height", the window manager's border included.
outer_of() {
    local x y w h l r t b
    x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
    h=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
    IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
saved_placement() {
    local key
    for key in left top width height; do sed -n "s/^$key=//p" "$ini"; done | paste -sd' '
}
# Areas of the dialog drawn in the focus colour, each at least a small field's size.
focus_coloured_fields() {
    import -window "$1" "$work/dialog.png"
    convert "$work/dialog.png" -fill black +opaque 'rgb(206,231,255)' \
        -fill white -opaque 'rgb(206,231,255)' -define connected-components:verbose=true \
        -connected-components 4 null: |
        awk '$NF == "gray(255)" || $NF == "srgb(255,255,255)" { if ($4 + 0 >= 200) n++ }
             END { print n + 0 }'
}
fuelings() { "$cli" info "$work/windows.fnl" | sed -n 's/^給油データ: //p'; }
start() {
    "$fenlo" "$@" &
    app=$!
    pids+=($app)
}
quit() {
    xdotool windowfocus --sync "$1" key --delay 60 alt+f x
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || return 0; sleep 0.1; done
    fail "the program did not quit"
}

# First start without settings: the frame at the screen's top-left, as designed.
start
frame=$(window_named '新規データ') || fail "the frame did not appear"
expect_title "$frame" "燃費管理「ふぇんろ」 [新規データ]"
[ "$(outer_of "$frame")" = "0 0 780 540" ] || fail "first start at $(outer_of "$frame")"
quit "$frame"
[ "$(saved_placement)" = "0 0 780 540" ] || fail "first start saved $(saved_placement)"

# A saved placement comes back exactly, run after run.
printf '[fenlo]\nwidth=800\nheight=600\ntop=200\nleft=300\n' >"$ini"
for run in 1 2 3; do
    start
    frame=$(window_named '新規データ') || fail "the frame did not appear"
    [ "$(outer_of "$frame")" = "300 200 800 600" ] || fail "run $run placed at $(outer_of "$frame")"
    quit "$frame"
    [ "$(saved_placement)" = "300 200 800 600" ] || fail "run $run saved $(saved_placement)"
done

start "$work/windows.fnl"
frame=$(window_named 'windows.fnl') || fail "the frame did not appear"
xdotool windowfocus --sync "$frame"
expect_title "$frame" "燃費管理「ふぇんろ」 [$work/windows.fnl]"

xdotool key --delay 60 alt+h a
about=$(window_named '^バージョン情報$') || fail "the version dialog did not open"
expect_title "$about" "バージョン情報"
expect_fixed "$about" "the version dialog"
xdotool windowfocus --sync "$about" key alt+o
wait_gone '^バージョン情報$'

# Qt's own dialogs speak Japanese too.
xdotool windowfocus --sync "$frame" key --delay 60 alt+f o
opened=$(window_named '^開く$') || fail "the open dialog is not titled 開く"
shot open-dialog
xdotool windowfocus --sync "$opened" key Escape
wait_gone '^開く$'

# A registration refused for a missing trip: afterwards exactly one field shows the focus.
before=$(screen)
xdotool windowfocus --sync "$frame" key --delay 60 alt+n k
for _ in $(seq 100); do [ "$(screen)" != "$before" ] && break; sleep 0.1; done
sleep 0.3 # the list fills and scrolls once it is shown
xdotool key Insert
dialog=$(window_named '^追加$') || fail "the entry dialog did not open"
expect_title "$dialog" "追加"
expect_fixed "$dialog" "the entry dialog"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 40 2026
xdotool key Return
xdotool type --delay 40 1
xdotool key Return
xdotool type --delay 40 10
xdotool key Return
xdotool type --delay 40 9
xdotool key Return Return Return # the odometer and the trip stay empty
xdotool type --delay 40 32
xdotool key alt+t
box=$(window_named '^燃費管理「ふぇんろ」$') || fail "no message box for the missing trip"
expect_title "$box" "燃費管理「ふぇんろ」"
expect_fixed "$box" "the message box"
shot refused
xdotool windowfocus --sync "$box" key Return
wait_gone '^燃費管理「ふぇんろ」$'
sleep 0.3 # the dialog repaints its fields once it is active again
shot after-refusal
coloured=$(focus_coloured_fields "$dialog")
[ "$coloured" = 1 ] || fail "$coloured fields show the focus colour after the refusal"

# The trip, then Enter through the fields onto 登録; Enter there registers.
xdotool type --delay 40 450
xdotool key Return Return Return Return
xdotool type --delay 40 5000
xdotool key Return
xdotool type --delay 40 "by enter"
xdotool key Return
shot on-register-button
xdotool key Return
wait_gone '^追加$'
xdotool windowfocus --sync "$frame" key --delay 60 alt+f s
for _ in $(seq 50); do [ "$(fuelings)" = 104 ] && break; sleep 0.1; done
[ "$(fuelings)" = 104 ] || fail "Enter on 登録 did not register the fueling"
"$cli" report list "$work/windows.fnl" | grep -q 'by enter' || fail "the comment was not stored"

# After the close question the list has the keyboard again: Insert opens the next dialog.
# Every key goes where the window manager put the focus; the test focuses nothing itself.
xdotool key Insert
window_named '^追加$' >/dev/null || fail "the entry dialog did not open again"
sleep 0.3
xdotool type --delay 40 2026
xdotool key Escape
window_named '^燃費管理「ふぇんろ」$' >/dev/null || fail "no question on closing with edits"
sleep 0.3
xdotool key alt+y
wait_gone '^追加$'
sleep 0.3
xdotool key Insert # no click, no focusing by the test: the keyboard must already be there
window_named '^追加$' >/dev/null || fail "Insert did nothing after the close question"
shot insert-after-question
xdotool key Escape
wait_gone '^追加$'
quit "$frame"
echo "desktop windows passed"
