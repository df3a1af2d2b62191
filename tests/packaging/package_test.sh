#!/usr/bin/env bash
# Builds the Debian package once, checks it with lintian and appstreamcli, unpacks it into a
# temporary root (no system install) and runs the installed programs from there. Every
# program, desktop entry and metainfo file that the package holds is checked alike.
# Usage: package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in lintian appstreamcli desktop-file-validate; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh test)"
done

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    fail "cpack did not make the package"
fi
debs=("$tmp"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}

# Debian's own checks: no error and no warning (lintian refuses to run as root without
# --allow-root).
if ! lintian --allow-root --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1; then
    cat "$tmp/lintian.log" >&2
    fail "lintian finds errors or warnings"
fi
grep -E '^[EW]: ' "$tmp/lintian.log" >&2 && fail "lintian finds errors or warnings"

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

# The copyright file carries LICENSE's copyright line and text; the changelog names this
# version.
doc=$usr/share/doc/lumivane
grep -qxF "Copyright: $(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")" "$doc/copyright" ||
    fail "copyright does not carry LICENSE's copyright line"
diff <(awk '/^License: Expat$/ { n++; next } n == 2' "$doc/copyright" | sed -e 's/^ //' -e 's/^\.$//') \
     <(sed -n '/^Copyright (c)/,$p' "$source_dir/LICENSE" | tail -n +3) ||
    fail "the copyright file's licence text is not LICENSE's"
zcat "$doc/changelog.gz" | head -1 | grep -q '^lumivane (1\.4\.0) ' || fail "changelog lacks 1.4.0"

# Each program of bin/ is a link to the program's folder and has its manual page.
programs=()
for link in "$usr"/bin/*; do
    name=$(basename "$link")
    programs+=("$name")
    [ -L "$link" ] || fail "bin/$name is not a link"
    [ -x "$program/$name" ] || fail "$program/$name is not an executable"
    [ "$(readlink -f "$link")" = "$(readlink -f "$program/$name")" ] ||
        fail "bin/$name points to $(readlink "$link")"
    zcat "$usr/share/man/man1/$name.1.gz" | grep -q '^\.TH ' || fail "no manual page for $name"
done
for name in lumivane lumivane-cli lumivane-webview; do
    [[ " ${programs[*]} " == *" $name "* ]] || fail "bin/ lacks $name: ${programs[*]}"
done
cmp "$program/null.gif" "$source_dir/assets/null.gif" || fail "null.gif differs"
cmp "$program/rgb.htm" "$source_dir/assets/rgb.htm" || fail "rgb.htm differs"

# Each program but lumivane (which takes no arguments at all) names itself and its version.
for name in "${programs[@]}"; do
    [ "$name" = lumivane ] && continue
    [ "$("$usr/bin/$name" --version)" = "$name 1.4.0" ] || fail "$name --version"
done

# Each desktop entry starts a program the package installs, with an icon the package installs,
# and has AppStream metainfo of the same id that launches it and validates.
entries=("$usr"/share/applications/*.desktop)
[ -f "${entries[0]}" ] || fail "no desktop entry installed"
for entry in "${entries[@]}"; do
    id=$(basename "$entry" .desktop)
    desktop-file-validate "$entry" || fail "$id.desktop does not validate"
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -x "$usr/bin/${exec_line%% *}" ] || fail "$id: Exec=$exec_line is not in bin/"
    for size in 16 32 48; do
        [ -f "$usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "$id: no ${size}px icon $icon"
    done
    metainfo=$usr/share/metainfo/$id.metainfo.xml
    [ -f "$metainfo" ] || fail "no metainfo for $id"
    grep -qF "<id>$id</id>" "$metainfo" || fail "$id.metainfo.xml has another id"
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "$id.metainfo.xml does not launch $id.desktop"
    grep -qF '<release version="1.4.0"' "$metainfo" || fail "$id.metainfo.xml lacks release 1.4.0"
done
# The screenshots are on the project's web site, not here: no network for the validator.
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >"$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log" >&2; fail "appstreamcli validate fails"; }
appstreamcli validate-tree --no-net "$root" >>"$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log" >&2; fail "appstreamcli validate-tree fails"; }

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

# The installed bash completion, with the installed program.
bash "$source_dir/tests/packaging/completion_test.sh" \
    "$usr/share/bash-completion/completions/lumivane-cli" "$usr/bin/lumivane-cli" >/dev/null ||
    fail "the installed bash completion"

# The installed program starts from its desktop entry's command and keeps running.
exec_line=$(sed -n 's/^Exec=//p' "$usr/share/applications/org.example.lumivane.Lumivane.desktop")
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/$exec_line" >"$tmp/gui.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$tmp/gui.log" >&2; fail "lumivane ended with status $status"; }

# The installed folder viewer draws a folder of the emulated system without a display.
"$usr/bin/lumivane-cli" restore >/dev/null || fail "lumivane-cli restore"
mkdir -p "$tmp/folder" && echo text >"$tmp/folder/note.txt"
"$usr/bin/lumivane-webview" "$tmp/folder" --png "$tmp/view.png" --select note.txt --info \
    >"$tmp/view.out" 2>"$tmp/view.err" || { cat "$tmp/view.err" >&2; fail "lumivane-webview --png"; }
grep -qF '<b>note.txt</b>' "$tmp/view.out" || fail "lumivane-webview --info: $(cat "$tmp/view.out")"
file "$tmp/view.png" | grep -q 'PNG image data, 800 x 600' || fail "lumivane-webview wrote no 800x600 PNG"

echo "$(basename "$deb"): ${programs[*]}; Depends: $depends"
echo "lintian: $(grep -c . "$tmp/lintian.log" || true) lines, no error or warning; appstreamcli: $(grep -o 'Validation was successful.*' "$tmp/appstream.log" | paste -sd ' ')"
