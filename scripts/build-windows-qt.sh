#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds Qt's base for 64-bit Windows with MinGW-w64 from Debian's source package of the Qt the Linux
# build links, as shared libraries: Core, Gui, Widgets and the windows platform plug-in, nothing the
# programs do not use. The result is kept in the user's cache folder
# (~/.cache/quorlith/qtbase-mingw64-VERSION-KEY, or below $QUORLITH_CACHE_DIR), KEY standing for the
# configure options, and used again by every checkout on the machine until the source version or the
# options change. Prints the folder as its last line. Called by build-windows.sh, which installs the
# compilers and adds the deb-src entries first. With QUORLITH_NICE=1 the build yields the processor to
# everything else on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-windows"
cache="${QUORLITH_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorlith}"
jobs="$(nproc)"
nice_cmd=()
[ "${QUORLITH_NICE:-0}" != 1 ] || nice_cmd=(nice -n 15)

# Network, SQL, D-Bus, XML, OpenGL, printing and the tests are nothing the programs use. Debian's source
# lacks the tablet library Qt's Windows side would load, hence no tablet events. Fonts come from the
# system (DirectWrite), so FreeType and the offscreen plug-in it carries are left out too: the report is
# laid out by the windows plug-in, which needs no window on Windows.
options=(-opensource -confirm-license -release -shared -xplatform win32-g++
    -nomake examples -nomake tests -no-compile-examples
    -no-opengl -no-angle -no-feature-vulkan -no-direct2d -no-dbus -no-openssl -no-icu
    -no-feature-network -no-feature-sql -no-feature-testlib -no-feature-xml -no-feature-concurrent
    -no-feature-printer -no-feature-tabletevent
    -no-freetype -qt-harfbuzz -qt-zlib -qt-libpng -no-libjpeg -no-gif -qt-pcre)
key="$(printf '%s\n' "${options[@]}" | sha256sum | cut -c1-12)"

# One build at a time on the machine: a second checkout waits for the first and then finds its result.
mkdir -p "$cache"
exec 8>"$cache/qtbase-mingw64.lock"
flock 8

installed="$(dpkg-query -W -f='${Version}' qtbase5-dev 2>/dev/null || true)"
offered="$(apt-cache showsrc qtbase-opensource-src | awk '/^Version:/ {print $2}' | sort -rV | uniq)"
candidates="$( (grep -xF "$installed" <<<"$offered" || true; grep -vxF "$installed" <<<"$offered" || true) | grep .)"
for version in $candidates; do
    if [ -f "$cache/qtbase-mingw64-$version-$key/built" ]; then
        echo "$cache/qtbase-mingw64-$version-$key"
        exit 0
    fi
done

source_dir="$build/qt-source"
rm -rf "$source_dir"
mkdir -p "$source_dir"
chmod 755 "$source_dir"
prefix=""
for version in $candidates; do
    if (cd "$source_dir" && apt-get source -qq --download-only "qtbase-opensource-src=$version" >/dev/null 2>&1); then
        prefix="$cache/qtbase-mingw64-$version-$key"
        break
    fi
    rm -f "$source_dir"/*
done
[ -n "$prefix" ] || { echo "no source of Qt's base could be fetched" >&2; exit 1; }
echo "building Qt's base for Windows into ${prefix##*/} (about 20 minutes of processor time on each of 2 cores, longer on a busy machine; log in build-windows/qt-build.log)" >&2
(cd "$source_dir" && dpkg-source --no-check -x ./*.dsc tree >/dev/null)

# Qt's mkspec names the compilers by a prefix; this one leads to the posix flavour, which the project's
# own toolchain uses too, so that Qt and the programs share one C++ runtime.
toolchain="$build/qt-toolchain"
rm -rf "$toolchain"
mkdir -p "$toolchain"
for tool in ar nm objcopy objdump ranlib strip windres ld; do
    ln -s "/usr/bin/x86_64-w64-mingw32-$tool" "$toolchain/x86_64-w64-mingw32-$tool"
done
for tool in gcc g++; do
    ln -s "/usr/bin/x86_64-w64-mingw32-$tool-posix" "$toolchain/x86_64-w64-mingw32-$tool"
done

qt_build="$build/qt-build"
rm -rf "$qt_build" "$prefix"
mkdir -p "$qt_build"
log="$build/qt-build.log"
if ! (cd "$qt_build" &&
    "${nice_cmd[@]}" "$source_dir/tree/configure" -prefix "$prefix" "${options[@]}" \
        -device-option CROSS_COMPILE="$toolchain/x86_64-w64-mingw32-" &&
    "${nice_cmd[@]}" make -j"$jobs" &&
    make install) >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "building Qt's base failed; the whole log is in $log" >&2
    exit 1
fi
touch "$prefix/built"
rm -rf "$source_dir" "$qt_build" "$toolchain"
echo "$prefix"
