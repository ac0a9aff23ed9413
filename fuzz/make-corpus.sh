#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Regenerates the seed corpora in fuzz/corpus/ from the media fixtures and from small videos made with
# ffmpeg. Run by hand after a change to the watermark format or the fixtures; needs ffmpeg and a built
# quorlith-stamp (default: build/bin/; a fuzz build's own does not link, being instrumented).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
stamp="${1:-$root/build/bin/quorlith-stamp}"
key="$root/tests/keys/recorder-test-key.pem"
media="$root/tests/data/media"
trailer="$root/fuzz/corpus/fuzz_trailer"
verify="$root/fuzz/corpus/fuzz_verify"
containers="$root/fuzz/corpus/fuzz_containers"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
rm -rf "$trailer" "$verify" "$containers"
mkdir -p "$trailer" "$verify" "$containers"

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

# The 32-bit number at an offset of a file, big- or little-endian.
u32be() { od -An -tu1 -j "$2" -N4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'; }
u32le() { od -An -tu1 -j "$2" -N4 "$1" | awk '{ print (($4 * 256 + $3) * 256 + $2) * 256 + $1 }'; }
fourcc() { dd if="$1" bs=1 skip="$2" count=4 status=none; }
# The bytes of a number, big-endian, in count bytes.
bytes_be() {
    local i
    for ((i = ($2 - 1) * 8; i >= 0; i -= 8)); do
        # shellcheck disable=SC2059
        printf "\\x$(printf %02x $((($1 >> i) & 255)))"
    done
}

# Videos of the shapes common tools write, two tiny frames each: MP4 with the media data first, with
# the index first, fragmented (as some recorders write their MXG), and AVI with hdrl, JUNK, movi, idx1.
tiny=(-hide_banner -loglevel error -f lavfi -i testsrc=size=16x16:rate=5 -frames:v 2 -fflags +bitexact
    -map_metadata -1)
ffmpeg "${tiny[@]}" -c:v mpeg4 "$work/mdat-first.mp4"
ffmpeg "${tiny[@]}" -c:v mpeg4 -movflags +faststart "$work/faststart.mp4"
ffmpeg "${tiny[@]}" -c:v mpeg4 -movflags frag_keyframe+empty_moov -g 1 -f mp4 "$work/fragmented.mxg"
ffmpeg "${tiny[@]}" -c:v mjpeg -q:v 31 "$work/clip.avi"

# The 8-byte "free" box the MP4 writer leaves before "mdat" becomes the 64-bit size of "mdat" (size 1,
# then the size in the next eight bytes), as a writer does once the media data outgrows 32 bits; every
# offset in the index stays right.
offset=0
while [ "$(fourcc "$work/mdat-first.mp4" $((offset + 4)))" != free ]; do
    offset=$((offset + $(u32be "$work/mdat-first.mp4" "$offset")))
done
mdat_size=$(u32be "$work/mdat-first.mp4" $((offset + 8)))
{
    head -c "$offset" "$work/mdat-first.mp4"
    printf '\x00\x00\x00\x01mdat'
    bytes_be $((mdat_size + 8)) 8
    tail -c +$((offset + 17)) "$work/mdat-first.mp4"
} >"$work/mdat-64-bit.mp4"

# The AVI without its JUNK chunk: LIST movi right after LIST hdrl, the RIFF size shrunk to match.
junk=$((20 + $(u32le "$work/clip.avi" 16)))
[ "$(fourcc "$work/clip.avi" "$junk")" = JUNK ]
junk_end=$((junk + 8 + $(u32le "$work/clip.avi" $((junk + 4)))))
riff_size=$(($(u32le "$work/clip.avi" 4) - (junk_end - junk)))
{
    printf RIFF
    for shift in 0 8 16 24; do
        # shellcheck disable=SC2059
        printf "\\x$(printf %02x $(((riff_size >> shift) & 255)))"
    done
    dd if="$work/clip.avi" bs=1 skip=8 count=$((junk - 8)) status=none
    tail -c +$((junk_end + 1)) "$work/clip.avi"
} >"$work/no-junk.avi"

# selector byte (0 avi, 1 mp4, 2 mxg), video, version
while read -r selector video version; do
    name="$(basename "$video")"
    "$stamp" --key "$key" --version "$version" "$work/$video" "$work/stamped-$name"
    # shellcheck disable=SC2059
    { printf "\\x$selector"; cat "$work/stamped-$name"; } >"$containers/${name%.*}-$version-as-$selector"
done <<LIST
01 mdat-first.mp4 1.0
01 faststart.mp4 1.1
01 mdat-64-bit.mp4 1.0
02 fragmented.mxg 1.1
02 faststart.mp4 1.0
00 clip.avi 1.0
00 no-junk.avi 1.1
LIST
ls -l "$containers"
