#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the Debian package from the tested build, lints it, unpacks it into a scratch root and
# checks the installed program there: both programs answer --help and --version without a display
# and with the project's version, the CLI verifies a stamped file and writes a PDF report without a
# display, the help pages lie beside the window program's real path, the window verifies a file named
# on its command line, the manual pages render, and the desktop entry and metainfo validate.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/quorlith_*.deb)
echo "package: $deb"
dpkg-deb -f "$deb" Depends | grep libqt5widgets5 >/dev/null || { echo "Depends lacks Qt"; exit 1; }
dpkg-deb -f "$deb" Depends | grep libssl3 >/dev/null || { echo "Depends lacks OpenSSL's libcrypto"; exit 1; }
dpkg-deb -f "$deb" Depends | grep fonts-noto-cjk >/dev/null || { echo "Depends lacks CJK fonts"; exit 1; }
dpkg-deb -f "$deb" Depends | grep fonts-dejavu-core >/dev/null || { echo "Depends lacks DejaVu"; exit 1; }
dpkg-deb -f "$deb" Depends | grep fonts-noto-core >/dev/null || { echo "Depends lacks Noto's scripts"; exit 1; }
dpkg-deb -f "$deb" Depends | grep qttranslations5-l10n >/dev/null || { echo "Depends lacks Qt's catalogues"; exit 1; }
if [ "$(id -u)" -eq 0 ]; then
    apt-get install -s -qq "./$deb" >/dev/null
fi
version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "package version is not $version"; exit 1; }

# Errors and warnings fail the check; information tags are listed and explained in packaging/.
lintian --fail-on error,warning --info "$deb"

root="$scratch/root"
dpkg -x "$deb" "$root"
usr="$root/usr"
for unwanted in quorlith-stamp; do
    if find "$root" -name "$unwanted*" | grep . >/dev/null; then echo "$unwanted must not be installed"; exit 1; fi
done

for program in quorlith quorlith-verify; do
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --version | head -n 1)
    [ "$answer" = "$program $version" ] || { echo "$program --version said: $answer"; exit 1; }
    usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --help)
    grep -q "^Usage: $program " <<<"$usage" || { echo "$program --help said: $usage"; exit 1; }
done
"$build/bin/quorlith-stamp" --key tests/keys/recorder-test-key.pem --version 1.0 \
    tests/data/media/clip-mdat-first.mp4 "$scratch/clip.mp4" >/dev/null
"$usr/bin/quorlith-verify" "$scratch/clip.mp4"
cp "$scratch/clip.mp4" "$scratch/tampered.mp4"
printf '\x00' | dd of="$scratch/tampered.mp4" bs=1 seek=100 conv=notrunc status=none
if "$usr/bin/quorlith-verify" "$scratch/tampered.mp4" >/dev/null; then echo "tampered file passed"; exit 1; fi
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/quorlith-verify" --report "$scratch/report.pdf" \
    "$scratch/clip.mp4" >/dev/null
# grep reads the whole text: with -q it would stop at the first match, and pdftotext, still writing,
# would end on SIGPIPE, which pipefail takes for a failure whenever the machine schedules it so.
pdftotext "$scratch/report.pdf" - | grep "Page 1 of" >/dev/null || { echo "the installed CLI wrote no PDF report"; exit 1; }

# Built as Debian builds its own packages: PIE, stack protector, checked calls, full RELRO with
# immediate binding, for both programs and the report module. The code is compiled with
# -fcf-protection, but Debian 12's C start-up objects carry no IBT/SHSTK property, so the linker
# cannot mark any program of this system as protected: that one check is left out.
module=$(find "$root" -name 'quorlith-verify-report.so')
checked=("$(readlink -f "$usr/bin/quorlith")" "$usr/bin/quorlith-verify" "$module")
hardening-check --quiet --nocfprotection "${checked[@]}" ||
    { hardening-check --nocfprotection "${checked[@]}"; exit 1; }
echo "hardening-check passed on the programs and the report module"

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

# Handed a stamped clip, a folder and a tampered clip, with a toolkit option before them and an
# unknown one among them, the window lists the clips' rows; its self-test hook prints the list once
# the run is over and quits. A file named like the style would get a row of its own if the toolkit
# left its option's value to the program.
mkdir "$scratch/export"
cp "$scratch/clip.mp4" "$scratch/export/again.mp4"
cp "$scratch/clip.mp4" "$scratch/Fusion"
rows=$(cd "$scratch" && HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=offscreen \
    QUORLITH_SELF_TEST_LIST_ROWS=1 timeout 60 "$usr/bin/quorlith" -style Fusion clip.mp4 --unknown \
    "$scratch/export" tampered.mp4) || { echo "the window did not list its rows and quit"; exit 1; }
expected=$(printf '%s\tAuthentication succeeded\n' again.mp4 clip.mp4; printf 'tampered.mp4\tAuthentication failed\n')
[ "$(cut -f1,2 <<<"$rows")" = "$expected" ] || { printf 'the window listed:\n%s\n' "$rows"; exit 1; }
grep -q $'^clip.mp4\tAuthentication succeeded\t[0-9]' <<<"$rows" || { echo "clip.mp4 lacks its times"; exit 1; }

entry="$usr/share/applications/example.trevalon.Quorlith.desktop"
desktop-file-validate "$entry"
grep -qx 'Exec=quorlith %F' "$entry" || { echo "the desktop entry does not take files"; exit 1; }
grep -qx 'MimeType=image/jpeg;video/mp4;video/x-msvideo;' "$entry" || { echo "the desktop entry lacks types"; exit 1; }
metainfo="$usr/share/metainfo/example.trevalon.Quorlith.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" || { echo "metainfo lacks release $version"; exit 1; }
grep -q '<project_license>Apache-2.0</project_license>' "$metainfo" || { echo "metainfo licence"; exit 1; }
file "$usr/share/icons/hicolor/64x64/apps/example.trevalon.Quorlith.png" | grep -q "64 x 64"
for page in quorlith quorlith-verify; do
    # A page that does not render fails the check, and so does any warning of the formatter.
    text=$(MANWIDTH=80 man -l --warnings=w "$usr/share/man/man1/$page.1.gz" 2>"$scratch/man-warnings")
    [ ! -s "$scratch/man-warnings" ] || { cat "$scratch/man-warnings"; exit 1; }
    grep -q "Trevalon Quorlith $version" <<<"$text" || { echo "$page(1) does not carry $version"; exit 1; }
done
echo "package checks passed"
