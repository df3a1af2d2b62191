#!/usr/bin/env bash
# Every command, option and option name that "lumivane-cli --help" mentions is in its manual
# page; every page names the program's version and renders without warnings.
# Usage: man_page_test.sh LUMIVANE_CLI VERSION CLI_MAN_PAGE [OTHER_MAN_PAGE]...
set -euo pipefail
cli=$1
version=$2
page=$3
shift 2

help=$("$cli" --help)
# The page's source with roff escapes undone: \- is a hyphen, \e a backslash.
text=$(sed -e 's/\\-/-/g' -e 's/\\e/\\/g' "$page")

commands=$(sed -n 's/^ *lumivane-cli \([a-z][a-z-]*\).*/\1/p' <<<"$help" | sort -u)
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
names=$(grep -oE '\b(chk|cmb|lbl|txt)[A-Za-z]+[0-9]?\b' <<<"$help" | sort -u)

[ -n "$commands" ] && [ -n "$options" ] && [ -n "$names" ] ||
    { echo "could not read commands, options and names from --help" >&2; exit 1; }

missing=()
for word in $commands; do
    grep -qE "(^|[ \"])(lumivane-cli )?$word( |\"|$)" <<<"$text" || missing+=("$word")
done
for word in $options $names; do
    grep -qF -- "$word" <<<"$text" || missing+=("$word")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "named in --help, missing from $page: ${missing[*]}" >&2
    exit 1
fi

for each in "$@"; do
    grep -qE "^\.TH .*\"Lumivane $version\"" "$each" ||
        { echo "$each does not name Lumivane $version in its .TH line" >&2; exit 1; }
    command -v man >/dev/null || continue
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$each" 2>&1 >/dev/null || true)
    if [ -n "$warnings" ]; then
        echo "$each renders with warnings:" >&2
        echo "$warnings" >&2
        exit 1
    fi
done
echo "man page covers: $(wc -w <<<"$commands $options $names") words of --help"
