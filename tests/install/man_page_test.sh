#!/bin/sh
# tarvo.1 describes every command `tarvo --help` lists, in a subsection of its
# own, and names there every option that command's --help names; the options
# of `tarvo --help` itself are in the page too. So a new command or option
# cannot ship without its man page entry.
# Usage: man_page_test.sh BUILD_DIR
set -eu
build=$1
tarvo="$build/bin/tarvo"
page="$build/share/man/man1/tarvo.1"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

[ -s "$page" ] || { echo "FAIL: $page was not built" >&2; exit 1; }

# The page's text without roff's font changes and zero-width escapes.
text=$(sed -e 's/\\f[BIRP]//g' -e 's/\\&//g' -e 's/\\-/-/g' "$page")

# Every option a help text names: --word or -x, not inside a word.
options_of() {
    grep -oE -- '(^|[^[:alnum:]-])--?[[:alpha:]][[:alnum:]-]*' | sed 's/^[^-]*//' | sort -u
}

commands=$("$tarvo" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "tarvo --help lists no commands"

for option in $("$tarvo" --help | options_of); do
    printf '%s\n' "$text" | grep -qF -- "$option" || fail "tarvo.1 does not name $option (tarvo --help)"
done

for command in $commands; do
    # The subsection ".SS command" up to the next heading.
    section=$(printf '%s\n' "$text" | awk -v c="$command" '
        /^\.S[HS] / { inside = ($0 == ".SS " c); next }
        inside')
    if [ -z "$section" ]; then
        fail "tarvo.1 has no subsection for the command $command"
        continue
    fi
    for option in $("$tarvo" "$command" --help | options_of); do
        [ "$option" = --help ] && continue
        printf '%s\n' "$section" | grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|\$)" ||
            fail "tarvo.1 does not name $option under $command (tarvo $command --help)"
    done
done

[ "$failures" = 0 ] || exit 1
echo "tarvo.1 names every command and option of tarvo's help:" $commands
