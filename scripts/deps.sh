#!/usr/bin/env bash
# Installs the Debian packages that Lumivane needs and that are missing.
# Usage: scripts/deps.sh build|test|wine|win32|fuzz|screenshots ...
set -euo pipefail

build_pkgs=(build-essential cmake ninja-build pkg-config ccache
            qt6-base-dev libgl-dev libsqlite3-dev fonts-noto-cjk
            qt6-webengine-dev qt6-webchannel-dev adwaita-icon-theme)
test_pkgs=(googletest libgtest-dev libgmock-dev libbenchmark-dev nodejs desktop-file-utils file
           lintian appstream tzdata)
wine_pkgs=(g++-mingw-w64-x86-64-posix wine wine64)
# The release for Windows 2000 and later: the i686 cross compiler, and Python for the check of
# what its programs import.
win32_pkgs=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 python3)
fuzz_pkgs=(clang libclang-rt-14-dev)
screenshot_pkgs=(xvfb xauth imagemagick fonts-wine)

want=()
for set in "$@"; do
    case "$set" in
    build) want+=("${build_pkgs[@]}") ;;
    test) want+=("${test_pkgs[@]}") ;;
    wine) want+=("${wine_pkgs[@]}") ;;
    win32) want+=("${win32_pkgs[@]}") ;;
    fuzz) want+=("${fuzz_pkgs[@]}") ;;
    screenshots) want+=("${screenshot_pkgs[@]}") ;;
    *) echo "deps.sh: unknown package set '$set'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${want[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
