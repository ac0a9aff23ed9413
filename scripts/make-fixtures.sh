#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Regenerates the small real media files under tests/data/media/ with ffmpeg and ImageMagick, checks
# the container layouts the content digest depends on, and prints them. Run by hand, not by CI; the
# outputs are committed. Needs: ffmpeg, imagemagick (scripts/install-deps.sh installs both).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/tests/data/media"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Bit-exact, metadata-free output so that a rerun gives the same bytes where the encoders allow it.
source_clip=(-f lavfi -i "testsrc=size=96x64:rate=10:duration=1")
ff=(ffmpeg -hide_banner -loglevel error -y "${source_clip[@]}" -fflags +bitexact -flags:v +bitexact -map_metadata -1)

convert rose: -resize 200% -strip -quality 85 "$out/still.jpg"

# ffmpeg's MP4 muxer writes "mdat" before "moov" unless told to move the index to the front.
"${ff[@]}" -c:v libx264 -threads 1 -preset veryfast -crf 35 -pix_fmt yuv420p \
    "$out/clip-mdat-first.mp4"
"${ff[@]}" -c:v libx264 -threads 1 -preset veryfast -crf 35 -pix_fmt yuv420p \
    -movflags +faststart "$out/clip-faststart.mp4"
"${ff[@]}" -c:v mpeg4 -q:v 12 "$out/clip.avi"

be32() { od -An -tu4 --endian=big -j "$2" -N4 "$1" | tr -d ' '; }
le32() { od -An -tu4 --endian=little -j "$2" -N4 "$1" | tr -d ' '; }
fourcc() { dd if="$1" bs=1 skip="$2" count=4 status=none; }

# Prints the top-level boxes up to "mdat" and the first byte after its header.
mp4_layout() {
    local file="$1" size offset=0 boxsize type
    size=$(stat -c %s "$file")
    while [ "$offset" -lt "$size" ]; do
        boxsize=$(be32 "$file" "$offset")
        type=$(fourcc "$file" $((offset + 4)))
        echo "  $type at $offset, size $boxsize"
        if [ "$type" = mdat ]; then
            [ "$boxsize" -eq 1 ] && echo "  content starts at $((offset + 16))" ||
                echo "  content starts at $((offset + 8))"
            return 0
        fi
        offset=$((offset + boxsize))
    done
    return 1
}

top_level_types() {
    local file="$1" size offset=0 types=""
    size=$(stat -c %s "$file")
    while [ "$offset" -lt "$size" ]; do
        types="$types $(fourcc "$file" $((offset + 4)))"
        offset=$((offset + $(be32 "$file" "$offset")))
    done
    echo "$types"
}

check_mp4_order() {
    local file="$1" first="$2" second="$3" types
    types=$(top_level_types "$file")
    case "$types" in
    *" $first"*" $second"*) ;;
    *) echo "$file: expected $first before $second, found:$types" >&2 && exit 1 ;;
    esac
}

# Prints the chunks up to "movi" and the first byte after its list type; fails unless one JUNK
# chunk sits between the header list and the "movi" list.
avi_layout() {
    local file="$1" hdrl junk p
    [ "$(fourcc "$file" 0)$(fourcc "$file" 8)" = "RIFFAVI " ] || return 1
    [ "$(fourcc "$file" 12)$(fourcc "$file" 20)" = "LISThdrl" ] || return 1
    hdrl=$(le32 "$file" 16)
    p=$((hdrl + 20))
    echo "  LIST hdrl at 12, size $hdrl"
    [ "$(fourcc "$file" "$p")" = JUNK ] || { echo "  no JUNK chunk after hdrl" >&2 && return 1; }
    junk=$(le32 "$file" $((p + 4)))
    echo "  JUNK at $p, size $junk"
    p=$((p + junk + 8))
    [ "$(fourcc "$file" "$p")$(fourcc "$file" $((p + 8)))" = "LISTmovi" ] || return 1
    echo "  LIST movi at $p, size $(le32 "$file" $((p + 4)))"
    echo "  content starts at $((p + 12))"
}

check_mp4_order "$out/clip-mdat-first.mp4" mdat moov
check_mp4_order "$out/clip-faststart.mp4" moov mdat

for f in "$out"/*.jpg "$out"/*.mp4 "$out"/*.avi; do
    size=$(stat -c %s "$f")
    [ "$size" -lt 65536 ] || { echo "$f is $size bytes, over 64 KiB" >&2 && exit 1; }
    echo "$(basename "$f"): $size bytes"
    case "$f" in
    *.mp4) mp4_layout "$f" ;;
    *.avi) avi_layout "$f" ;;
    *.jpg) echo "  starts $(od -An -tx1 -N2 "$f" | tr -d ' '), ends $(od -An -tx1 -j $((size - 2)) -N2 "$f" | tr -d ' ')" ;;
    esac
done
