#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Regenerates the seed corpora in fuzz/corpus/ from the media fixtures. Run by hand after a change
# to the watermark format or the fixtures; needs a built quorlith-stamp (default: build/bin/).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
stamp="${1:-$root/build/bin/quorlith-stamp}"
key="$root/tests/keys/recorder-test-key.pem"
media="$root/tests/data/media"
trailer="$root/fuzz/corpus/fuzz_trailer"
verify="$root/fuzz/corpus/fuzz_verify"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
rm -rf "$trailer" "$verify"
mkdir -p "$trailer" "$verify"

# Shortened media: the walks and the region reads then meet a file's end early.
head -c 1000 "$media/still.jpg" >"$work/short.jpg" && printf '\xff\xd9' >>"$work/short.jpg"
head -c 5800 "$media/clip.avi" >"$work/short.avi"
head -c 600 "$media/clip-mdat-first.mp4" >"$work/short.mp4"
head -c 600 "$media/clip-faststart.mp4" >"$work/no-mdat.mp4"

# selector byte (0 jpg, 1 avi, 2 mp4, 3 mxg), source, version, options (a file without media
# data has no digest of its own, so it gets a made-up one)
while read -r selector source version options; do
    name="$(basename "$source")-$version"
    # shellcheck disable=SC2086
    "$stamp" --key "$key" --version "$version" $options "$source" "$work/$name.${source##*.}"
    { printf "\\x$selector"; cat "$work/$name.${source##*.}"; } >"$verify/$name-as-$selector"
done <<LIST
00 $media/still.jpg 1.0
01 $media/clip.avi 1.1
02 $media/clip-mdat-first.mp4 1.0
03 $media/clip-faststart.mp4 1.1
00 $work/short.jpg 1.1
01 $work/short.avi 1.0
02 $work/short.mp4 1.1
03 $work/no-mdat.mp4 1.0 --hmac 0123456789abcdef0123456789abcdef
LIST

# The sealed blocks as the engine reads them: 514 bytes before the end of a JPG, the last 512 else.
tail -c 514 "$work/still.jpg-1.0.jpg" | head -c 512 >"$trailer/block-jpg-1.0"
tail -c 512 "$work/clip.avi-1.1.avi" >"$trailer/block-avi-1.1"
# An encoded block in the clear (00 02, padding, 00, record) for the exponent-1 key, and bare records.
record=$'Trevalon Digital Watermark\r\nVersion: 1.1\r\nHMAC: 00112233445566778899aabbccddeeff\r\nStartTime: 2026-03-14 09:26:53\r\nEndTime: 2026-03-14 09:31:07\r\nTimeSource: NTP\r\nRCSerial: QR-4410-0042\r\nCamMAC: 00:1B:44:11:3A:B7\r\n'
{
    printf '\x00\x02'
    head -c $((256 - 3 - ${#record})) /dev/zero | tr '\0' '\132'
    printf '\x00%s' "$record"
} >"$trailer/encoded-record"
printf '%s' "$record" >"$trailer/record"
printf 'Trevalon Digital Watermark\nVersion: 1.0\nHMAC: x\n' >"$trailer/record-lf-only"
ls -l "$trailer" "$verify"
