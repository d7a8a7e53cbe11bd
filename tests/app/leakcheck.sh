#!/usr/bin/env bash
# leakcheck.sh PROGRAM SUPPRESSIONS: the font libraries' caches are suppressed, a leak of our
# own is not.
set -u
program=$1
export LSAN_OPTIONS="suppressions=$2:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! "$program" 2>"$log"; then
    cat "$log"
    echo "laying out text alone was reported as a leak" >&2
    exit 1
fi
if "$program" --leak 2>"$log"; then
    echo "a leak in our own code was not reported" >&2
    exit 1
fi
if ! grep -q leakOfOurOwn "$log"; then
    cat "$log"
    echo "the failure was not the leak of our own" >&2
    exit 1
fi
echo "font caches suppressed; our own leak reported"
