#!/usr/bin/env bash
# Both programs behave on the command line like the programs around them: --help on standard
# output with status 0, --version, and an unknown option refused with status 2, never opened.
# fenlo answers all of these without a display.
#   commandline_test.sh FENLO FENLO-CLI SAMPLE
set -uo pipefail
fenlo=$(realpath "$1") cli=$(realpath "$2") sample=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# run NAME EXPECTED-STATUS COMMAND...: keeps stdout and stderr in $work/NAME.out and .err.
run() {
    local name=$1 expected=$2; shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$work/$name.out" 2>"$work/$name.err"
    local actual=$?
    [ "$actual" = "$expected" ] || { echo "$name: status $actual, expected $expected"; status=1; }
}
expect_text() { # NAME STREAM TEXT
    [ "$(cat "$work/$1.$2")" = "$3" ] || { echo "$1: $2 is '$(cat "$work/$1.$2")'"; status=1; }
}
expect_empty() { [ ! -s "$work/$1.$2" ] || { echo "$1: unexpected $2: $(cat "$work/$1.$2")"; status=1; }; }
expect_match() { grep -q -- "$3" "$work/$1.$2" || { echo "$1: no '$3' in $2"; status=1; }; }

for program in fenlo cli; do
    binary=$fenlo; name=fenlo
    [ $program = cli ] && binary=$cli && name=fenlo-cli
    run $program-help 0 "$binary" --help
    expect_match $program-help out "--version"
    expect_empty $program-help err
    run $program-version 0 "$binary" --version
    expect_text $program-version out "$name 3.1"
    expect_empty $program-version err
    run $program-unknown 2 "$binary" --bogus
    expect_empty $program-unknown out
    expect_match $program-unknown err "bogus"
done
run cli-h 0 "$cli" -h
expect_match cli-h out "fenlo-cli info"

# fenlo opens at most one file, and an option is never a file name.
run fenlo-two-files 2 "$fenlo" "$sample" "$sample"
run fenlo-option-after-file 2 "$fenlo" "$sample" --versio

# fenlo-cli's commands refuse what they do not know instead of reading or writing a file of it.
cd "$work"
run cli-info-option 2 "$cli" info --all
run cli-convert-option 2 "$cli" convert "$sample" --force
[ ! -e "$work/--force" ] || { echo "convert wrote a file named --force"; status=1; }
run cli-csv-option 2 "$cli" csv "$sample" --no-titles out.csv
run cli-report-option 2 "$cli" report list "$sample" --bogus
run cli-report-option-first 2 "$cli" report list --bogus "$sample"
run cli-command 2 "$cli" summary "$sample"
expect_match cli-command err "unknown command summary"
run cli-info 0 "$cli" info "$sample"
expect_match cli-info out "給油データ"
exit $status
