#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Redraws docs/report-page1.png and docs/report-last-page.png: the first page of the PDF report
# quorlith-verify writes, in English on A4, over a small case folder stamped with the test key (the key
# of a build with tests), and its last page with the appendix of what the folder search left out and
# the signature block. Needs a build in build/ and pdftoppm and pdfinfo (poppler-utils).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake --build "$root/build" --target quorlith-verify quorlith-stamp >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
media="$root/tests/data/media"
stamp=("$root/build/bin/quorlith-stamp" --key "$root/tests/keys/recorder-test-key.pem" --serial RC-0417
    --mac 00:1B:44:11:3A:B7 --time-source NTP)
mkdir -p "$work/case-0412/cam01" "$work/case-0412/cam02"
"${stamp[@]}" --version 1.0 --start "2026-03-14 09:15:02" --end "2026-03-14 09:15:02" \
    "$media/still.jpg" "$work/case-0412/cam01/entrance.jpg"
"${stamp[@]}" --version 1.0 --start "2026-03-14 09:14:50" --end "2026-03-14 09:16:10" \
    "$media/clip.avi" "$work/case-0412/cam01/entrance.avi"
"${stamp[@]}" --version 1.1 --start "2026-03-14 09:20:00" --end "2026-03-14 09:21:00" \
    "$media/clip-faststart.mp4" "$work/case-0412/cam02/yard.mp4"
"${stamp[@]}" --version 1.0 --start "2026-03-14 09:22:00" --end "2026-03-14 09:23:00" \
    "$media/clip-mdat-first.mp4" "$work/case-0412/cam02/gate.mp4"
printf '\0' | dd of="$work/case-0412/cam02/gate.mp4" bs=1 seek=100 conv=notrunc status=none
# What an export folder holds besides the evidence, which the appendix lists.
printf 'exported 2026-03-15\n' >"$work/case-0412/notes.txt"
printf 'x' >"$work/case-0412/cam01/.thumbs.db"
ln -s cam01/entrance.avi "$work/case-0412/latest.avi"
(cd "$work" && PATH="$root/build/bin:$PATH" LC_ALL=C.UTF-8 LANGUAGE= TZ=Europe/Berlin \
    quorlith-verify --report case-0412.pdf --case 0412/2026 --exhibit "EX-3 USB stick" \
    --examiner "R. Okafor" --organisation "Digital Forensics Unit" case-0412 >/dev/null) || true
pages="$(pdfinfo "$work/case-0412.pdf" | sed -n 's/^Pages: *//p')"
pdftoppm -r 110 -f 1 -l 1 -png -singlefile "$work/case-0412.pdf" "$root/docs/report-page1"
pdftoppm -r 110 -f "$pages" -l "$pages" -png -singlefile "$work/case-0412.pdf" "$root/docs/report-last-page"
# A palette of 64 colours keeps each image near 100 KiB where ImageMagick is at hand.
if command -v convert >/dev/null; then
    for image in report-page1 report-last-page; do
        convert "$root/docs/$image.png" -colors 64 -define png:compression-level=9 "PNG8:$root/docs/$image.png"
    done
fi
