#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# The prefix is created on first use (wineboot takes a while), once even when several
# tests start together. Wine's own chatter and its Mono and Gecko installers stay off.
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export DISPLAY=

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            timeout "${LUMIVANE_WINEBOOT_TIMEOUT:-300}" wineboot --init >/dev/null 2>&1 || {
                echo "wine-run.sh: wineboot could not set up $prefix" >&2
                exit 1
            }
            wineserver --wait
        fi
    ) 9>"$prefix.lock"
fi

exec wine "$@"
