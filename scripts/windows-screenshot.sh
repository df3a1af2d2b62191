#!/usr/bin/env bash
# Draws the Win32 main window as a user has it (pictures dropped into its strip, details
# shown) under Wine on an Xvfb screen into OUTPUT (default docs/windows-main-window.png).
# The tests' Wine prefix draws nothing (its null graphics driver), so this one has a prefix
# of its own that draws on the display, with Wine's own fonts for the window frames and the
# system's Japanese font linked in for text the frames draw.
# Usage: scripts/windows-screenshot.sh [OUTPUT]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-docs/windows-main-window.png}")

if [ -z "${LUMIVANE_ON_XVFB:-}" ]; then
    scripts/deps.sh build wine screenshots
    cmake --preset mingw >/dev/null
    cmake --build --preset mingw --target win32_screenshot
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" env LUMIVANE_ON_XVFB=1 "$0" "$output"
fi

export WINEPREFIX=$PWD/build/mingw/wineprefix-screen
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Setting up the Wine prefix $WINEPREFIX (once)..." >&2
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
# Wine's own fonts (package fonts-wine) in the prefix's font folder: the frames' buttons are
# drawn with its Marlett.
for font in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf; do
    [ -f "$font" ] && cp -n "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
done
# No window manager runs here: Wine draws the windows' frames itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
cjk=$(fc-match -f '%{file}' 'Noto Sans CJK JP')
for face in Tahoma "Microsoft Sans Serif"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d "$(basename "$cjk"),Noto Sans CJK JP" /f >/dev/null 2>&1
done
wineserver --wait

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Seven photos, so the strip is full and can scroll: skies, fields, a sunset, a texture.
pictures=()
n=0
for look in "gradient:#4682c8-#dcebfa" "gradient:#3c8c3c-#e6dc78" "gradient:#c85028-#fad278" \
    "gradient:#5a3c8c-#f0b4c8" "plasma:#80b0e0-#204060" "radial-gradient:#ffe080-#d04020" \
    "gradient:#206080-#f0f0a0"; do
    n=$((n + 1))
    convert -seed "$n" -size 320x240 "$look" "$work/写真 $n.jpg"
    pictures+=("Z:$(printf '%s' "$work/写真 $n.jpg" | tr / '\\')")
done

ready="$work/ready.txt"
wine build/mingw/bin/win32_screenshot.exe "Z:$(printf '%s' "$ready" | tr / '\\')" \
    "${pictures[@]}" &
program=$!
for _ in $(seq 1 240); do
    [ -s "$ready" ] && break
    sleep 0.25
done
if [ ! -s "$ready" ]; then
    echo "windows-screenshot.sh: the window did not come up" >&2
    kill "$program" 2>/dev/null || true
    exit 1
fi
read -r left top width height <"$ready"
mkdir -p "$(dirname "$output")"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$output"
touch "$ready.done"
wait "$program"
echo "$output: ${width}x${height}"
