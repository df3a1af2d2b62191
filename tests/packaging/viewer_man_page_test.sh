#!/usr/bin/env bash
# lumivane-webview's manual page says what the program does: its synopsis is the usage that
# --help prints, an operand it shows as needed is needed, every option of --help is in it,
# and the default of LUMIVANE_ROOT that it names is where the viewer looks.
# Usage: viewer_man_page_test.sh LUMIVANE_WEBVIEW LUMIVANE_CLI MAN_PAGE
set -euo pipefail
viewer=$1
cli=$2
page=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
mkdir -p "$work/home" "$work/data" "$work/docs"
failed=0
fail() {
    echo "$*" >&2
    failed=1
}

squeeze() { tr -s ' ' | sed 's/^ //; s/ $//'; }

# The synopsis as man draws it, one form a line.
man_forms=$(LC_ALL=C.UTF-8 MANWIDTH=300 man -E UTF-8 -l "$page" 2>/dev/null |
    awk '/^書式/ { on = 1; next } /^[^ ]/ { on = 0 } on && NF' | squeeze)
# The usage of --help: its lines up to the first empty one, a form's continued lines joined.
help=$("$viewer" --help)
usage_forms=$(awk 'NF == 0 { exit } { print }' <<<"$help" | sed 's/^使い方: //' |
    awk '/^ *lumivane-webview / { if (form != "") print form; form = $0; next }
         { form = form " " $0 } END { print form }' | squeeze)

while read -r form; do
    grep -qxF -- "$form" <<<"$man_forms" || fail "in --help, not in the synopsis: $form"
done <<<"$usage_forms"
while read -r form; do
    [[ $form == *--version* ]] && continue
    grep -qxF -- "$form" <<<"$usage_forms" || fail "in the synopsis, not in --help: $form"
done <<<"$man_forms"

for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
    grep -qF -- "${option//-/\\-}" "$page" || fail "named in --help, missing from $page: $option"
done

# An operand that the synopsis shows outside brackets, and not as an option's value, must be
# one the viewer cannot do without.
fill() {
    case $1 in
    FOLDER) echo "$work/docs" ;;
    FILE) echo "$work/shot.png" ;;
    S) echo 5 ;;
    WxH) echo 300x200 ;;
    *) echo "$1" ;;
    esac
}
while read -r form; do
    [[ $form == *--version* ]] && continue
    # The words outside brackets, after the program's name.
    needed=$(sed -e 's/\[[^]]*\]\(\.\.\.\)\?//g' <<<"$form" | squeeze | cut -s -d' ' -f2-)
    read -ra words <<<"$needed"
    for ((i = 0; i < ${#words[@]}; i++)); do
        word=${words[i]}
        [[ $word =~ ^[A-Z]+$ ]] || continue
        ((i > 0)) && [[ ${words[i - 1]} == --* ]] && continue
        args=()
        for ((k = 0; k < ${#words[@]}; k++)); do
            ((k == i)) || args+=("$(fill "${words[k]}")")
        done
        status=0
        HOME=$work/home LUMIVANE_ROOT=$work/none "$viewer" "${args[@]}" \
            >/dev/null 2>&1 || status=$?
        [[ $status == 2 ]] ||
            fail "the synopsis needs $word in \"$form\", but the viewer runs without it" \
                "(status $status)"
    done
done <<<"$man_forms"

# The default of LUMIVANE_ROOT, as the page names it, with this test's home and data folder.
default=$(awk '/^\.B LUMIVANE_ROOT/ { on = 1 } on && /^\.I/ { print $2; exit }' "$page")
[[ -n $default ]] || fail "$page names no default for LUMIVANE_ROOT"
root=${default/#\~/$work/home}
root=${root//\$XDG_DATA_HOME/$work/data}
root=${root//\$HOME/$work/home}
LUMIVANE_ROOT=$root "$cli" restore >/dev/null
status=0
output=$(env -u LUMIVANE_ROOT HOME="$work/home" XDG_DATA_HOME="$work/data" \
    "$viewer" "$work/docs" --png "$work/shot.png" 2>&1) || status=$?
[[ $status == 0 ]] ||
    fail "a system at the page's default for LUMIVANE_ROOT ($default) is not the viewer's:" \
        "$output"

[[ $failed == 0 ]] && echo "the viewer's manual page agrees with the viewer"
exit $failed
