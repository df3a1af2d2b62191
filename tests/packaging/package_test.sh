#!/usr/bin/env bash
# Builds the Debian package once, unpacks it into a temporary root (no system install) and
# runs the installed programs from there.
# Usage: package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    fail "cpack did not make the package"
fi
debs=("$tmp"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}

# The package's control fields.
[ "$(dpkg-deb -f "$deb" Package)" = lumivane ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.4.0 ] || fail "version is $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libsqlite3-0 fonts-noto-cjk; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

root=$tmp/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
program=$usr/lib/lumivane

# The program's folder holds the executables and the two files the program expects beside them.
for file in lumivane lumivane-cli; do
    [ -x "$program/$file" ] || fail "$program/$file is not an executable"
    [ -L "$usr/bin/$file" ] || fail "bin/$file is not a link"
    [ "$(readlink -f "$usr/bin/$file")" = "$(readlink -f "$program/$file")" ] ||
        fail "bin/$file points to $(readlink "$usr/bin/$file")"
done
cmp "$program/null.gif" "$(dirname "$0")/../../assets/null.gif" || fail "null.gif differs"
cmp "$program/rgb.htm" "$(dirname "$0")/../../assets/rgb.htm" || fail "rgb.htm differs"
for page in lumivane.1 lumivane-cli.1; do
    [ -f "$usr/share/man/man1/$page" ] || fail "manual page $page not installed"
done

# The desktop entry starts a program the package installs, with an icon the package installs.
entry=$usr/share/applications/lumivane.desktop
[ -f "$entry" ] || fail "desktop entry not installed"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop entry does not validate"
fi
exec_line=$(sed -n 's/^Exec=//p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not in bin/"
for size in 16 32 48; do
    [ -f "$usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no ${size}px icon $icon"
done

# The installed companion runs and finds its own folder through the bin/ link.
help=$("$usr/bin/lumivane-cli" --help) || fail "installed lumivane-cli --help failed"
grep -q "lumivane-cli template" <<<"$help" || fail "--help does not list the template command"
export LUMIVANE_ROOT=$tmp/system
page=$("$usr/bin/lumivane-cli" template | tr -d '\r')
expected="Z:${program//\//\\}\\null.gif"
grep -qF "<img src=\"$expected\"" <<<"$page" || fail "the page does not name $expected"
# Drive Z: is the host's /: the folder the page names holds the files the program looks for.
named=$(sed -n 's/.*<img src="Z:\([^"]*\)\\null\.gif".*/\1/p' <<<"$page" | tr '\\' /)
[ -f "$named/null.gif" ] && [ -f "$named/rgb.htm" ] || fail "no null.gif and rgb.htm in $named"

# The installed program starts from the desktop entry's command and keeps running.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/$exec_line" >"$tmp/gui.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$tmp/gui.log" >&2; fail "lumivane ended with status $status"; }

echo "$(basename "$deb"): Depends: $depends"
