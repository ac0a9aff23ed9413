#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Makes the Windows installer build-windows/quorlith-setup-VERSION.exe with NSIS from what
# build-windows.sh left in build-windows/dist (packaging/windows/quorlith.nsi says what it installs).
# Installs NSIS itself.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$PWD/build-windows"
dist="$build/dist"
[ -f "$dist/quorlith.exe" ] || { echo "build-windows/dist is missing: run scripts/build-windows.sh first" >&2; exit 1; }

if ! command -v makensis >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends nsis >/dev/null
fi

version="$(sed -n 's/^#define QUORLITH_VERSION "\(.*\)"$/\1/p' "$build/generated/QuorlithVersion.h")"
# The uninstaller removes the files installed by name and then the folders, deepest first, if empty.
files="$build/installer-files.nsh"
(
    cd "$dist"
    find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
) >"$files"
setup="$build/quorlith-setup-$version.exe"
makensis -V2 -DVERSION="$version" -DDIST="$dist" -DFILES="$files" -DOUTFILE="$setup" packaging/windows/quorlith.nsi
echo "build-windows/${setup##*/}"
