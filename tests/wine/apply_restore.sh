#!/usr/bin/env bash
# End to end on Windows (under Wine) against the emulated system: the same apply with two
# pictures and the same restore must leave the same files in both Web folders, apart from
# the Windows directory's own name (C:\windows under Wine, C:\WINDOWS emulated).
#
# Usage: apply_restore.sh WINE_RUN PREFIX WINDOWS_CLI NATIVE_CLI PICTURE_GIF
set -euo pipefail
wine_run=$1 prefix=$2 windows_cli=$3 native_cli=$4 gif=$5

for file in "$windows_cli" "$native_cli" "$gif"; do
    if [ ! -f "$file" ]; then
        echo "missing $file (the native build must be built before this test)" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lumivane-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Both programs run from one folder, so the program folder the template names is the same.
mkdir "$work/bin" "$work/pictures"
cp "$native_cli" "$work/bin/lumivane-cli"
cp "$windows_cli" "$work/bin/lumivane-cli.exe"

# Two pictures: a 1x1 BMP under a Japanese name with a blank, and a GIF.
bmp="$work/pictures/壁紙 1.bmp"
printf 'BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00' >"$bmp"
printf '\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00' >>"$bmp"
printf '\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00' >>"$bmp"
printf '\x00\x00\x00\x00\x20\x40\x80\x00' >>"$bmp"
cp "$gif" "$work/pictures/b.gif"
# The emulated system takes host paths; under Wine the host's / is drive Z:.
native_pictures=("$bmp" "$work/pictures/b.gif")
wine_pictures=()
for picture in "${native_pictures[@]}"; do
    wine_pictures+=("Z:${picture//\//\\}")
done

native() { LUMIVANE_ROOT="$work/emulated" "$work/bin/lumivane-cli" "$@"; }
windows() { "$wine_run" "$prefix" "$work/bin/lumivane-cli.exe" "$@"; }

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The Windows directory of a fresh Wine prefix has no Web folder: nothing may be written.
wine_windows="$prefix/drive_c/windows"
rm -rf "$wine_windows/Web"
if windows apply "${wine_pictures[@]}" >"$work/wine-noweb.out" 2>&1; then
    fail "apply without a Web folder reported success under Wine"
fi
grep -q "WEBファイルが存在しません。" "$work/wine-noweb.out" ||
    fail "apply without a Web folder did not say so: $(cat "$work/wine-noweb.out")"
[ ! -e "$wine_windows/Web" ] || fail "apply without a Web folder created something"

# The emulated system sets itself up as a fresh Windows with the standard template and
# pictures in its Web folder. The Web folder under Wine starts out the same: the standard
# pictures, which the program leaves alone, and the template it found, now the backup.
native apply "${native_pictures[@]}" >/dev/null
emulated_web="$work/emulated/drive_c/WINDOWS/Web"
cp -r "$emulated_web" "$work/emulated-after-apply"
mkdir -p "$wine_windows/Web"
find "$emulated_web" -maxdepth 1 -type f ! -name 'folder.*' -exec cp {} "$wine_windows/Web/" \;
cp "$emulated_web/folder.lmv" "$wine_windows/Web/folder.htt"
windows apply "${wine_pictures[@]}" >/dev/null
cp -r "$wine_windows/Web" "$work/wine-after-apply"

native restore >/dev/null
cp -r "$work/emulated/drive_c/WINDOWS/Web" "$work/emulated-after-restore"
windows restore >/dev/null
cp -r "$wine_windows/Web" "$work/wine-after-restore"

# The template names the Windows directory in the picture folder's path, once with single
# and once with doubled backslashes; that name is the one difference allowed.
same_name() {
    LC_ALL=C sed -e 's/C:\\\\windows\\\\/C:\\\\WINDOWS\\\\/g' -e 's/C:\\windows\\/C:\\WINDOWS\\/g' "$1"
}

compare() {
    local stage=$1 emulated="$work/emulated-after-$1" wine="$work/wine-after-$1"
    local listing_e listing_w
    listing_e=$(cd "$emulated" && find . -type f | LC_ALL=C sort)
    listing_w=$(cd "$wine" && find . -type f | LC_ALL=C sort)
    [ "$listing_e" = "$listing_w" ] ||
        fail "after $stage the Web folders hold different files:"$'\n'"emulated: $listing_e"$'\n'"wine: $listing_w"
    local file
    while IFS= read -r file; do
        [ -f "$wine/$file" ] || continue
        if [ "$file" = ./folder.htt ]; then
            cmp -s <(same_name "$emulated/$file") <(same_name "$wine/$file") ||
                fail "after $stage folder.htt differs: $(diff <(same_name "$emulated/$file" | iconv -f CP932 -t UTF-8) <(same_name "$wine/$file" | iconv -f CP932 -t UTF-8) | head -20)"
        else
            cmp -s "$emulated/$file" "$wine/$file" || fail "after $stage $file differs"
        fi
    done <<<"$listing_e"
    echo "after $stage: compared $(wc -l <<<"$listing_e") files"
}

compare apply
compare restore

# The copies are the pictures' own bytes, and the restore wrote another text than the apply.
cmp -s "$bmp" "$work/wine-after-apply/leftimage/0.lmv" || fail "0.lmv is not the BMP"
cmp -s "$gif" "$work/wine-after-apply/leftimage/1.lmv" || fail "1.lmv is not the GIF"
cmp -s "$work/wine-after-apply/folder.htt" "$work/wine-after-restore/folder.htt" &&
    fail "restore left the applied template in place"
grep -q 'C:\\\\windows\\\\Web\\\\leftimage\\\\' "$work/wine-after-apply/folder.htt" ||
    fail "the applied template does not name the Wine picture folder"

[ "$failures" -eq 0 ] || exit 1
echo "apply and restore under Wine leave the same files as on the emulated system"
