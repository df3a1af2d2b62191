#!/usr/bin/env bash
# lumivane-cli's bash completion as bash runs it: it offers every command, option and option
# name that "lumivane-cli --help" names, the values of check boxes and sizes (each one the
# program takes), files for the pictures, and nothing where the user's own text goes.
# Usage: completion_test.sh COMPLETION_SCRIPT LUMIVANE_CLI
set -euo pipefail
script=$1
cli=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# shellcheck source=/dev/null
source "$script"
[[ $(complete -p lumivane-cli) == *"-F _lumivane_cli"* ]] || fail "not registered for lumivane-cli"

# What the completion offers at the end of a command line, one word a line, sorted. The line
# is split into COMP_WORDS as bash splits it: at blanks, and around "=" when "=" is one of
# COMP_WORDBREAKS.
offers() {
    local line=$1 token words=()
    local -a tokens
    read -ra tokens <<<"$line"
    [[ $line == *" " ]] && tokens+=("")
    for token in "${tokens[@]}"; do
        if [[ $COMP_WORDBREAKS == *=* && $token == *=* ]]; then
            [[ -n ${token%%=*} ]] && words+=("${token%%=*}")
            words+=("=")
            [[ -n ${token#*=} ]] && words+=("${token#*=}")
        else
            words+=("$token")
        fi
    done
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _lumivane_cli
    ((${#COMPREPLY[@]} == 0)) || printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect() {
    local line=$1 expected=$2 got
    got=$(offers "$line")
    [[ $got == "$expected" ]] || fail "\"$line\" offers [${got//$'\n'/ }], not [${expected//$'\n'/ }]"
}
words() { tr ' ' '\n' <<<"$*" | sed '/^$/d' | sort -u; }

help=$("$cli" --help)
commands=$(sed -n 's/^ *lumivane-cli \([a-z][a-z-]*\).*/\1/p' <<<"$help" | sort -u)
names=$(grep -oE '\b(chk|cmb|lbl|txt)[A-Za-z]+[0-9]?\b' <<<"$help" | sort -u)
[ -n "$commands" ] && [ -n "$names" ] || { echo "could not read --help" >&2; exit 1; }

# The program's own commands and options.
expect "lumivane-cli " "$(words $commands --help --version)"
expect "lumivane-cli --v" "--version"
expect "lumivane-cli te" "template"
expect "lumivane-cli --version " ""
expect "lumivane-cli nosuchcommand " ""

# Each command's options: at least those of its own help.
for command in $commands; do
    options=$(offers "lumivane-cli $command -")
    for option in $("$cli" "$command" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
        grep -qxF -- "$option" <<<"$options" || fail "$command does not offer $option"
    done
done
expect "lumivane-cli restore " ""

# Option names go on with "=" (and no blank); values where they form a list, each one the
# program takes.
expect "lumivane-cli template " "$(sed 's/$/=/' <<<"$names")"
expect "lumivane-cli template chkShowI" "chkShowIcon="
expect "lumivane-cli template chkReload=" "$(words 0 1 2)"
expect "lumivane-cli apply chkSetLink1=1" "1"
expect "lumivane-cli template cmbInfoSize=1" "$(words 10pt 12pt 14pt 16pt 18pt)"
expect "lumivane-cli template --preset cmbLinkSize=" "$(words $(seq -f '%gpt' 4 2 64))"
expect "lumivane-cli template lblColor0=" ""
expect "lumivane-cli template txtLink1=http" ""
export LUMIVANE_ROOT=$tmp/system
for name in $names; do
    for value in $(offers "lumivane-cli template $name="); do
        "$cli" template "$name=$value" >/dev/null || fail "lumivane-cli does not take $name=$value"
    done
done

# Where the user's own text goes, nothing is offered.
expect "lumivane-cli template --count " ""
expect "lumivane-cli template --program-folder " ""
expect "lumivane-cli template --count=" ""

# Pictures are files; after "--" only files.
mkdir "$tmp/pictures"
touch "$tmp/pictures/chk.jpg" "$tmp/pictures/sunset.jpg" "$tmp/pictures/sea.gif"
cd "$tmp/pictures"
expect "lumivane-cli apply s" "$(words sea.gif sunset.jpg)"
expect "lumivane-cli apply --preset su" "sunset.jpg"
expect "lumivane-cli apply " "$(words chk.jpg sea.gif sunset.jpg $(sed 's/$/=/' <<<"$names"))"
expect "lumivane-cli apply -- ch" "chk.jpg"
expect "lumivane-cli apply -- --pre" ""
expect "lumivane-cli template s" ""

# Where "=" does not break words, a value is offered with its name.
COMP_WORDBREAKS=${COMP_WORDBREAKS//=/}
expect "lumivane-cli template chkReload=" "$(words chkReload=0 chkReload=1 chkReload=2)"
expect "lumivane-cli apply cmbInfoSize=8" "cmbInfoSize=8pt"

[ "$failures" -eq 0 ] || exit 1
echo "completion offers $(wc -w <<<"$commands") commands and $(wc -w <<<"$names") option names"
