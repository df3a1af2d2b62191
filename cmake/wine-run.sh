#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# Without a program it only sets the prefix up. The prefix is created on first use
# (wineboot takes a while), once even when several tests start together. Wine's own
# chatter and its Mono and Gecko installers stay off.
set -euo pipefail
prefix=$(realpath -m "$1") # Wine wants an absolute prefix
shift
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            echo "Setting up the Wine prefix $prefix (once per build folder)..." >&2
            if ! timeout "${LUMIVANE_WINEBOOT_TIMEOUT:-300}" wineboot --init >/dev/null 2>&1; then
                echo "wine-run.sh: wineboot could not set up $prefix" >&2
                rm -rf "$prefix"
                exit 1
            fi
            wineserver --wait
        fi
    ) 9>"$prefix.lock"
fi

# Windows are made without a display: Wine's null graphics driver keeps them in memory, so the
# window tests create, size and drive them as on a screen (nothing is drawn).
if ! grep -qs '"Graphics"="null"' "$prefix/user.reg"; then
    (
        flock 9
        if ! grep -qs '"Graphics"="null"' "$prefix/user.reg"; then
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
            wineserver --wait
        fi
    ) 9>"$prefix.lock"
fi

[ $# -eq 0 ] && exit 0
exec wine "$@"
