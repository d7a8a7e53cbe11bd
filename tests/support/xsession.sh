# Sourced by the tests that run the real program on an X display of their own.
#   xsession_require TOOL...   skip the test (exit 77) when a tool is missing
#   xsession_start [--wm]      a scratch folder $work, a private Xvfb display, settings and data
#                              folders inside $work, and with --wm the openbox window manager
# Every process appended to "pids" is ended, and $work removed, when the script exits.

xsession_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
    done
}

xsession_cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}

xsession_start() {
    work=$(mktemp -d)
    pids=()
    trap xsession_cleanup EXIT
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids+=($!)
    local _
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    if [ "${1:-}" = "--wm" ]; then
        openbox --config-file /dev/null >/dev/null 2>&1 &
        pids+=($!)
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
            sleep 0.1
        done
    fi
}
