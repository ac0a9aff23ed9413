#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Cross-builds Trevalon Quorlith for 64-bit Windows with MinGW-w64 and leaves in build-windows/dist/ the
# window quorlith.exe, quorlith-verify.exe with its report module, the help pages, and what they need
# beside them: Qt's libraries and plug-ins and MinGW's runtime libraries. Installs what it needs itself.
# OpenSSL's libcrypto (linked in) and Qt's base (shared) are built for Windows from Debian's source
# packages of the versions the Linux build links, once: they are kept in the user's cache folder
# (~/.cache/quorlith, or $QUORLITH_CACHE_DIR) and used again by every checkout on the machine as long as
# those versions and their build options stay. Qt's first build takes about 20 minutes of processor time
# on each of 2 cores, far longer on a busy machine (build-windows-qt.sh; QUORLITH_NICE=1 lets other work
# on the machine go first). With --without-qt it
# builds only build-windows/bin/quorlith-verify.exe, statically linked and without --report, in minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-windows"
cache="${QUORLITH_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorlith}"
jobs="$(nproc)"
with_qt=1
[ "${1:-}" != --without-qt ] || with_qt=0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive

packages=(mingw-w64 cmake ninja-build dpkg-dev perl make qttools5-dev qttools5-dev-tools)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Source packages need deb-src entries; they are added for the Debian suites the system already uses.
if ! apt-cache showsrc openssl 2>/dev/null | grep '^Version:' >/dev/null; then
    list=/etc/apt/sources.list.d/quorlith-deb-src.sources
    for sources in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
        [ -f "$sources" ] && [ "$sources" != "$list" ] || continue
        if [ "${sources##*.}" = sources ]; then
            awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types:[^\n]*deb/ && /URIs:[^\n]*debian/ {
                    sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$sources"
        else
            grep -E '^deb (\[[^]]*\] )?https?://[^ ]*debian' "$sources" | sed 's/^deb /deb-src /'
        fi
    done | "${sudo_cmd[@]}" tee "$list" >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq
fi

# The OpenSSL the Linux build links (the installed libssl-dev) when its source is still offered, else
# the newest source of the release's OpenSSL that the archive still serves. One built before is kept.
installed="$(dpkg-query -W -f='${Version}' libssl-dev 2>/dev/null || true)"
offered="$(apt-cache showsrc openssl | awk '/^Version:/ {print $2}' | sort -rV | uniq)"
candidates="$( (grep -xF "$installed" <<<"$offered" || true; grep -vxF "$installed" <<<"$offered") | grep .)"
mkdir -p "$build"
openssl_prefix=""
for version in $candidates; do
    if [ -f "$cache/openssl-mingw64-$version/lib/libcrypto.a" ]; then
        openssl_prefix="$cache/openssl-mingw64-$version"
        break
    fi
done

if [ -z "$openssl_prefix" ]; then
    source_dir="$build/openssl-source"
    rm -rf "$source_dir"
    mkdir -p "$source_dir"
    chmod 755 "$source_dir"
    for version in $candidates; do
        if (cd "$source_dir" && apt-get source -qq --download-only "openssl=$version" >/dev/null 2>&1); then
            openssl_prefix="$cache/openssl-mingw64-$version"
            break
        fi
        rm -f "$source_dir"/*
    done
    [ -n "$openssl_prefix" ] || { echo "no source of OpenSSL could be fetched" >&2; exit 1; }
    echo "building libcrypto for Windows from ${openssl_prefix##*/}"
    (cd "$source_dir" && dpkg-source --no-check -x ./*.dsc tree >/dev/null)
    # libcrypto alone, static: neither libssl nor the programs, tests or manuals are built (OpenSSL 3.0's
    # Configure knows no no-apps or no-docs; building only the library's targets leaves them out). The
    # verifier needs MD5, HMAC, SHA-256, RSA and big numbers; algorithms and protocols nothing here calls
    # are left out, which spares a third of the compiling.
    (cd "$source_dir/tree" &&
        ./Configure mingw64 --cross-compile-prefix=x86_64-w64-mingw32- --prefix="$openssl_prefix" \
            no-shared no-tests no-module no-legacy no-engine no-ui-console \
            no-aria no-bf no-blake2 no-camellia no-cast no-cmp no-cms no-comp no-ct no-ec2m no-idea no-md4 \
            no-mdc2 no-ocb no-ocsp no-rc2 no-rc4 no-rmd160 no-scrypt no-seed no-siphash no-siv no-sm2 no-sm3 \
            no-sm4 no-srp no-srtp no-ts no-whirlpool >/dev/null &&
        make -s -j"$jobs" build_generated >/dev/null 2>&1 &&
        make -s -j"$jobs" libcrypto.a >/dev/null 2>&1)
    mkdir -p "$openssl_prefix/lib" "$openssl_prefix/include"
    cp "$source_dir/tree/libcrypto.a" "$openssl_prefix/lib/"
    cp -r "$source_dir/tree/include/openssl" "$openssl_prefix/include/"
    rm -rf "$source_dir"
fi

if [ "$with_qt" = 0 ]; then
    rm -rf "$build/dist"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_FIND_ROOT_PATH="$openssl_prefix" -DOPENSSL_ROOT_DIR="$openssl_prefix" -DOPENSSL_USE_STATIC_LIBS=ON \
        -DQUORLITH_WITH_QT=OFF >/dev/null
    cmake --build "$build" -j"$jobs" --target quorlith-verify
    echo "build-windows/bin/quorlith-verify.exe"
    exit 0
fi

qt_prefix="$(bash scripts/build-windows-qt.sh | tail -n 1)"

# The catalogues are compiled by the build machine's lrelease, which the Windows Qt does not carry.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_FIND_ROOT_PATH="$openssl_prefix;$qt_prefix" -DOPENSSL_ROOT_DIR="$openssl_prefix" -DOPENSSL_USE_STATIC_LIBS=ON \
    -DQt5_DIR="$qt_prefix/lib/cmake/Qt5" -DQt5LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools \
    -DQUORLITH_WITH_QT=ON -DQUORLITH_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target quorlith quorlith-verify quorlith-verify-report

# The folder an examiner's machine gets: the programs, the help pages, the Qt plug-ins the window loads
# (the platform and the native style) in the folders Qt looks for them beside a program, and every
# library these name, found in Qt's and MinGW's folders.
dist="$build/dist"
rm -rf "$dist"
mkdir -p "$dist/platforms" "$dist/styles"
cp "$build/bin/quorlith.exe" "$build/bin/quorlith-verify.exe" "$build/bin/quorlith-verify-report.dll" "$dist/"
cp -r "$build/bin/help" "$dist/"
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$dist/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$dist/styles/"
gcc_runtime="$(dirname "$(x86_64-w64-mingw32-gcc-posix -print-libgcc-file-name)")"
library_folders=("$qt_prefix/bin" "$gcc_runtime" /usr/x86_64-w64-mingw32/lib)
added=1
while [ "$added" = 1 ]; do
    added=0
    while IFS= read -r -d '' binary; do
        for library in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
            [ ! -e "$dist/$library" ] || continue
            for folder in "${library_folders[@]}"; do
                if [ -f "$folder/$library" ]; then
                    cp "$folder/$library" "$dist/"
                    added=1
                    break
                fi
            done
        done
    done < <(find "$dist" -name '*.exe' -print0 -o -name '*.dll' -print0)
done
echo "build-windows/dist: $(find "$dist" -type f | wc -l) files"
bash scripts/build-windows-installer.sh
