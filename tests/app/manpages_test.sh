#!/usr/bin/env bash
# The manual pages, English and Japanese, list exactly the options and commands the programs'
# own parsers know: the options are read from each program's --help, the commands from
# fenlo-cli's usage, so a new option without its page fails here.
#   manpages_test.sh FENLO FENLO-CLI MAN-DIR
set -euo pipefail
fenlo=$1 cli=$2 man_dir=$3
status=0

options_of_help() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
# Option and command words of a page's source: "\-\-order" is written for --order.
options_of_page() { sed 's/\\-/-/g; s/\\f[BIR]//g' "$1" | grep -o -- '--[a-z][a-z-]*' | sort -u; }
commands_of_usage() { sed -n 's/^  fenlo-cli \([a-z][a-z-]*\).*/\1/p' | sort -u; }
# The kinds of report and graph: "report list|pairs|…" and "KIND: display1, …;" of the usage.
kinds_of_usage() {
    local usage; usage=$(cat)
    sed -n 's/^  fenlo-cli report \([a-z|]*\) .*/\1/p' <<<"$usage" | tr '|' '\n'
    tr '\n' ' ' <<<"$usage" | sed -n 's/.*KIND: \([^;]*\);.*/\1/p' | tr -s ', ' '\n\n'
}
commands_of_page() { sed 's/\\-/-/g' "$1" | sed -n 's/^\.B fenlo-cli \([a-z][a-z-]*\)$/\1/p' | sort -u; }

same() { # what, expected, actual
    if [ "$2" != "$3" ]; then
        echo "$1 differ:"; diff <(echo "$2") <(echo "$3") || true
        status=1
    fi
}

fenlo_options=$("$fenlo" --help | options_of_help)
cli_usage=$("$cli" --help)
cli_options=$(echo "$cli_usage" | options_of_help)
cli_commands=$(echo "$cli_usage" | commands_of_usage)
cli_kinds=$(echo "$cli_usage" | kinds_of_usage | grep . | sort -u)
[ "$(echo "$cli_kinds" | wc -l)" -ge 11 ] || { echo "kinds read from --help: $cli_kinds"; exit 1; }
[ -n "$fenlo_options" ] && [ -n "$cli_options" ] && [ -n "$cli_commands" ] \
    || { echo "no options or commands read from --help"; exit 1; }

for page in "$man_dir/fenlo.1" "$man_dir/ja/fenlo.1"; do
    same "options of $page and fenlo --help" "$fenlo_options" "$(options_of_page "$page")"
done
for page in "$man_dir/fenlo-cli.1" "$man_dir/ja/fenlo-cli.1"; do
    same "options of $page and fenlo-cli --help" "$cli_options" "$(options_of_page "$page")"
    same "commands of $page and fenlo-cli --help" "$cli_commands" "$(commands_of_page "$page")"
    # Every command has an example.
    text=$(sed 's/\\-/-/g' "$page")
    for command in $cli_commands; do
        grep -q "^\.B fenlo-cli $command " <<<"$text" \
            || { echo "$page: no example of $command"; status=1; }
    done
    # Every kind of report and graph is described.
    for kind in $cli_kinds; do
        grep -q "^\.B $kind\$" <<<"$text" || { echo "$page: $kind is not described"; status=1; }
    done
done
# The pages format without errors.
for page in "$man_dir"/*.1 "$man_dir"/ja/*.1; do
    if LC_ALL=C.UTF-8 man -l "$page" 2>&1 >/dev/null | grep -v 'break line\|adjust line' | grep .; then
        echo "$page does not format cleanly"; status=1
    fi
done
exit $status
