#!/usr/bin/env bash
# The download for Windows users: cpack makes lumivane-<version>-win32.zip in the build
# folder; it must hold one folder with the programs, null.gif, rgb.htm, the licence and the
# read-me (CR LF, code page 932, both languages), and nothing else; its programs must load
# on Windows 2000.
#
# Usage: windows_zip_test.sh BUILD_DIR VERSION SOURCE_DIR CHECK OBJDUMP PROGRAM.exe...
set -uo pipefail
build=$1 version=$2 source=$3 check=$4 objdump=$5
shift 5
programs=("$@")
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

name=lumivane-$version-win32
zip=$build/$name.zip
rm -f "$zip"
(cd "$build" && cpack --config CPackConfig.cmake >/dev/null) || fail "cpack failed"
[ -f "$zip" ] || { echo "FAIL: cpack made no $zip" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/lumivane-zip.XXXXXX")
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip") || fail "the zip cannot be unpacked"

expected=$(printf '%s\n' "${programs[@]}" LICENSE.txt README.txt null.gif rgb.htm | LC_ALL=C sort)
found=$(cd "$work" && find . -type f | sed "s|^\./$name/||" | LC_ALL=C sort)
[ "$found" = "$expected" ] ||
    fail "the zip holds"$'\n'"$found"$'\n'"instead of, in the folder $name,"$'\n'"$expected"

folder=$work/$name
cmp -s "$folder/null.gif" "$source/assets/null.gif" || fail "null.gif is not the asset"
cmp -s "$folder/rgb.htm" "$source/assets/rgb.htm" || fail "rgb.htm is not the asset"

for text in README.txt LICENSE.txt; do
    file=$folder/$text
    [ -s "$file" ] || { fail "$text is missing or empty"; continue; }
    lines=$(wc -l <"$file")
    crlf=$(grep -c $'\r$' "$file")
    [ "$lines" -eq "$crlf" ] || fail "$text: $crlf of $lines lines end in CR LF"
    iconv -f CP932 -t UTF-8 "$file" >"$work/$text.utf8" || fail "$text is not code page 932"
done
readme=$work/README.txt.utf8
for words in "Lumivane $version" "Windows 98" "Windows 2000" "folder.htt" "folder.lmv" \
    "leftimage" "BackBitmap" "Control Panel\\Colors" "復元" "展開" "Unzip anywhere" \
    "lumivane-cli --help"; do
    grep -qF "$words" "$readme" || fail "README.txt does not say \"$words\""
done
grep -q "MIT License" "$work/LICENSE.txt.utf8" || fail "LICENSE.txt is not the licence"

exes=()
for program in "${programs[@]}"; do
    exes+=("$folder/$program")
done
"$check" --objdump "$objdump" "${exes[@]}" || fail "a program of the zip would not load on Windows 2000"

[ "$failures" -eq 0 ] || exit 1
echo "$zip holds the programs, null.gif, rgb.htm, LICENSE.txt and README.txt"
