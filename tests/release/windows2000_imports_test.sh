#!/usr/bin/env bash
# The Windows 2000 import check, tested on programs made for it: each that imports what
# Windows 2000 lacks fails with the finding named, the clean one passes, bad data is refused.
#
# Usage: windows2000_imports_test.sh CHECK OBJDUMP CLEAN FUNCTION DLL CRT SUBSYSTEM
set -uo pipefail
check=$1 objdump=$2 clean=$3 function=$4 dll=$5 crt=$6 subsystem=$7
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the check on one program; expects its exit status and a line matching a pattern.
expect() {
    local program=$1 status=$2 pattern=$3 output got
    output=$("$check" --objdump "$objdump" "$program" 2>&1)
    got=$?
    [ "$got" -eq "$status" ] || fail "$(basename "$program"): exit $got, expected $status: $output"
    grep -qE "$pattern" <<<"$output" || fail "$(basename "$program"): no line matching '$pattern' in: $output"
    echo "$output"
}

expect "$clean" 0 'loads on Windows 2000 \([0-9]+ imported functions checked\)'
expect "$function" 1 'imports kernel32.dll GetTickCount64, first in Windows Vista \(Microsoft Learn'
expect "$dll" 1 'imports DwmIsCompositionEnabled from dwmapi.dll, which is not a DLL of Windows 2000'
expect "$crt" 1 'imports msvcrt.dll _aligned_malloc, first in Windows XP \(mingw-w64'
expect "$subsystem" 1 'subsystem version 6.0 is above 5.0'

# A list entry without a source is refused, so every fact keeps its origin.
data=$(mktemp -d "${TMPDIR:-/tmp}/lumivane-imports.XXXXXX")
trap 'rm -rf "$data"' EXIT
here=$(dirname "$check")/../packaging/windows
cp "$here/windows2000-dlls.txt" "$data/"
printf 'kernel32.dll GetTickCount64 Vista nowhere\n' >"$data/windows2000-missing.txt"
output=$("$check" --objdump "$objdump" --data "$data" "$clean" 2>&1)
status=$?
[ "$status" -eq 2 ] && grep -q "unknown source 'nowhere'" <<<"$output" ||
    fail "an entry without a source was accepted (exit $status): $output"

[ "$failures" -eq 0 ] || exit 1
echo "the import check refuses each post-2000 import and passes the clean program"
