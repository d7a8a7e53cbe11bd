#!/usr/bin/env bash
# What an install gives software centres, man and bash: the AppStream metadata and the desktop
# entry pass their validators, the manual pages and the completion sit where their tools look,
# and the completion offers fenlo-cli's commands, kinds, order keys and logbook files.
# Exits 77 (skipped) where the validators are not installed.
#   metadata_test.sh BUILD-DIR
set -euo pipefail
build_dir=$1

for tool in appstreamcli desktop-file-validate; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -f /usr/share/bash-completion/bash_completion ] || { echo "skipped: no bash-completion"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for file in share/man/man1/fenlo.1.gz share/man/man1/fenlo-cli.1.gz share/man/ja/man1/fenlo.1.gz \
            share/man/ja/man1/fenlo-cli.1.gz share/bash-completion/completions/fenlo-cli; do
    [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo"
desktop-file-validate "$prefix/share/applications/fenlo.desktop"

# The metadata names what the install really provides.
grep -q '<launchable type="desktop-id">fenlo.desktop</launchable>' "$metainfo"
grep -q "<mediatype>$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' \
    "$prefix/share/mime/packages/fenlo.xml")</mediatype>" "$metainfo"
grep -q '<name xml:lang="en">' "$metainfo"

# man finds the pages in the prefix, in English and in Japanese.
english=$(MANPATH=$prefix/share/man LANG=C.UTF-8 man -w fenlo-cli)
[ "$english" = "$prefix/share/man/man1/fenlo-cli.1.gz" ] || { echo "man finds '$english'"; exit 1; }
japanese=$(MANPATH=$prefix/share/man LC_ALL=C.UTF-8 man -w -L ja fenlo 2>/dev/null)
[ "$japanese" = "$prefix/share/man/ja/man1/fenlo.1.gz" ] || { echo "man -L ja finds '$japanese'"; exit 1; }

# complete WORDS...: what the completion offers for the last word.
complete_words() {
    (cd "$work/files" && bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$0"
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
        _fenlo_cli fenlo-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
        printf "%s\n" "${COMPREPLY[@]}" | sort' \
        "$prefix/share/bash-completion/completions/fenlo-cli" "$@")
}
expect() { # EXPECTED WORDS...
    local expected=$1; shift
    local actual; actual=$(complete_words "$@" | tr '\n' ' ')
    [ "$actual" = "$expected " ] || { echo "completing '$*': '$actual', expected '$expected'"; exit 1; }
}
mkdir -p "$work/files/old"
touch "$work/files/car.fnl" "$work/files/notes.txt" "$work/files/plot.png" "$work/files/plot.svg"
expect "convert csv" fenlo-cli c
expect "makers monthly" fenlo-cli report m
expect "amount" fenlo-cli report list car.fnl --order a
expect "average" fenlo-cli report makers car.fnl --order a
expect "car.fnl old" fenlo-cli info ""
expect "--desc" fenlo-cli report list car.fnl --d
expect "json" fenlo-cli report monthly car.fnl --format j
expect "graph" fenlo-cli g
expect "makers-count makers-economy monthly" fenlo-cli graph m
expect "categories-count categories-economy" fenlo-cli graph c
expect "ribbon" fenlo-cli graph display2 car.fnl --type r
expect "average" fenlo-cli graph makers-economy car.fnl --order a
expect "economy" fenlo-cli graph display1 car.fnl --order e
expect "--order --out" fenlo-cli graph monthly car.fnl --o
expect "old plot.png plot.svg" fenlo-cli graph monthly car.fnl --out ""
expect "car.fnl old" fenlo-cli graph monthly ""
touch "$work/files/fuel.csv"
expect "import-csv import-legacy info" fenlo-cli i
expect "fuel.csv notes.txt old" fenlo-cli import-csv ""
expect "--date-order" fenlo-cli import-csv fuel.csv car.fnl --d
expect "dmy" fenlo-cli import-csv fuel.csv car.fnl --date-order d
expect "maker=" fenlo-cli import-csv fuel.csv car.fnl --map m
echo "metadata, pages and completion installed under $prefix"
