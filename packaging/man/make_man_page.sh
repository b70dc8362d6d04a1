#!/bin/bash
# Writes a manual page from a program's own --help and --version, filled into a page
# template, so the page cannot drift from the program.
# Usage: make_man_page.sh PROGRAM TEMPLATE OUTPUT
# The template holds @VERSION@, @SYNOPSIS@, @DESCRIPTION@ and @OPTIONS@ on lines of
# their own. The help is read as: a "Usage: NAME ARGUMENTS" line, a description up to
# the first empty line, then rows "  ITEM ARGUMENT", two blanks or more, a summary.
set -euo pipefail
program=$1 template=$2 output=$3
help=$("$program" --help)
version=$("$program" --version)

# Text for roff: backslashes and minus signs escaped, no line taken for a request.
roff_text() {
    sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

synopsis() {
    head -n 1 <<<"$help" | sed 's/^Usage: //' | roff_text |
        awk '{ name = $1; $1 = ""; printf ".B %s\n%s\n", name, substr($0, 2) }'
}

description() {
    sed -n '2,/^$/p' <<<"$help" | sed '/^$/d' | roff_text
}

options() {
    sed -n '/^$/,$p' <<<"$help" | sed '/^$/d' | roff_text |
        awk '{
            row = substr($0, 3); split_at = match(row, /  +/)
            usage = substr(row, 1, split_at - 1); summary = substr(row, split_at + RLENGTH)
            space = index(usage, " ")
            print ".TP"
            if (space) printf "\\fB%s\\fR \\fI%s\\fR\n", substr(usage, 1, space - 1), substr(usage, space + 1)
            else printf "\\fB%s\\fR\n", usage
            print summary
        }'
}

while IFS= read -r line; do
    case $line in
        @VERSION@) roff_text <<<"$version" ;;
        @SYNOPSIS@) synopsis ;;
        @DESCRIPTION@) description ;;
        @OPTIONS@) options ;;
        *) printf '%s\n' "${line//@VERSION@/$version}" ;;
    esac
done <"$template" >"$output.part"
mv "$output.part" "$output"
