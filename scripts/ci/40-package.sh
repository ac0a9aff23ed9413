#!/usr/bin/env bash
# Builds the Debian package from the tested build, unpacks it into a scratch root and checks the
# installed program there: the CLI runs and verifies a stamped file, the help pages lie beside the
# window program's real path, the window starts, and the desktop entry and metainfo validate.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/quorlith_*.deb)
echo "package: $deb"
dpkg-deb -f "$deb" Depends | grep -q libqt5widgets5 || { echo "Depends lacks Qt"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libmbedcrypto || { echo "Depends lacks mbed TLS"; exit 1; }
if [ "$(id -u)" -eq 0 ]; then
    apt-get install -s -qq "./$deb" >/dev/null
fi

root="$scratch/root"
dpkg -x "$deb" "$root"
usr="$root/usr"
for unwanted in quorlith-stamp; do
    if find "$root" -name "$unwanted*" | grep -q .; then echo "$unwanted must not be installed"; exit 1; fi
done

"$usr/bin/quorlith-verify" --version
"$build/bin/quorlith-stamp" --key tests/keys/recorder-test-key.pem --version 1.0 \
    tests/data/media/clip-mdat-first.mp4 "$scratch/clip.mp4" >/dev/null
"$usr/bin/quorlith-verify" "$scratch/clip.mp4"
cp "$scratch/clip.mp4" "$scratch/tampered.mp4"
printf '\x00' | dd of="$scratch/tampered.mp4" bs=1 seek=100 conv=notrunc status=none
if "$usr/bin/quorlith-verify" "$scratch/tampered.mp4" >/dev/null; then echo "tampered file passed"; exit 1; fi

window=$(readlink -f "$usr/bin/quorlith")
help="$(dirname "$window")/help"
count=$(ls "$help"/help_*.html | wc -l)
[ "$count" -eq 20 ] || { echo "expected 20 help pages beside $window, found $count"; exit 1; }
echo "window program: $window, help pages: $count"

# The window has no way to quit on its own: it must still be running when the timeout ends it.
status=0
(cd "$scratch" && HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$usr/bin/quorlith") || status=$?
[ "$status" -eq 124 ] || { echo "the installed window program exited with $status"; exit 1; }

desktop-file-validate "$usr/share/applications/example.trevalon.Quorlith.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/example.trevalon.Quorlith.metainfo.xml"
file "$usr/share/icons/hicolor/64x64/apps/example.trevalon.Quorlith.png" | grep -q "64 x 64"
man -l "$usr/share/man/man1/quorlith-verify.1.gz" >/dev/null 2>&1 || zcat "$usr/share/man/man1/quorlith-verify.1.gz" >/dev/null
echo "package checks passed"
