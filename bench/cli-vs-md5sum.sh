#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# quorlith-verify against md5sum over the same files, in one run, with hyperfine:
#   1. 2,000 small stamped JPGs (the 3 KiB fixture still), quorlith-verify --jobs 2
#   2. 2,000 stamped JPGs of about 150 KiB (a typical camera still), quorlith-verify --jobs 2
#   3. one stamped 1 GiB MP4, record version 1.0 (MD5 over the content)
#   4. the same MP4 with record version 1.1 (the fold)
# Goals: at most 1.2x md5sum's wall time for the many small files, 1.1x for the large one.
# Builds a Release tree in build-bench-cli; the evidence goes to a temporary folder under /tmp
# (about 3.5 GiB) that is deleted afterwards. Usage: bash bench/cli-vs-md5sum.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
build=build-bench-cli

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORLITH_BUILD_TESTS=OFF \
    -DQUORLITH_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target quorlith-verify quorlith-stamp >/dev/null
verify="$PWD/$build/bin/quorlith-verify"
stamp="$PWD/$build/bin/quorlith-stamp"
key=tests/keys/recorder-test-key.pem

work=$(mktemp -d /tmp/quorlith-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/small" "$work/stills"

# Many files: one stamped original, copied, so that making them costs seconds, not minutes.
"$stamp" --key "$key" --version 1.0 tests/data/media/still.jpg "$work/small.jpg" >/dev/null
still_size=$(stat -c %s tests/data/media/still.jpg)
{ head -c $((still_size - 2)) tests/data/media/still.jpg; head -c 150000 /dev/urandom; printf '\xff\xd9'; } \
    >"$work/still-media.jpg"
"$stamp" --key "$key" --version 1.0 "$work/still-media.jpg" "$work/still.jpg" >/dev/null
for i in $(seq -w 1 2000); do
    cp "$work/small.jpg" "$work/small/$i.jpg"
    cp "$work/still.jpg" "$work/stills/$i.jpg"
done

# 1 GiB MP4: a file-type box and one "mdat" box of random bytes, then the 512-byte block.
payload=$(((1 << 30) - 24 - 512))
{
    printf '\x00\x00\x00\x10ftypisom\x00\x00\x02\x00'
    size=$((payload + 8))
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((size >> 24)) $((size >> 16 & 255)) $((size >> 8 & 255)) \
        $((size & 255)))"
    printf 'mdat'
    head -c "$payload" /dev/urandom
} >"$work/media.mp4"
"$stamp" --key "$key" --version 1.0 "$work/media.mp4" "$work/clip-1.0.mp4" >/dev/null
"$stamp" --key "$key" --version 1.1 "$work/media.mp4" "$work/clip-1.1.mp4" >/dev/null
rm "$work/media.mp4" "$work/small.jpg" "$work/still.jpg" "$work/still-media.jpg"

# Every file must verify, or the timings would compare different work.
"$verify" -j 2 "$work" >/dev/null || { echo "quorlith-verify did not pass the stamped files"; exit 1; }

cd "$work"
echo "== 2,000 small JPGs ($(du -sh small | cut -f1))"
hyperfine --warmup 2 --runs "$runs" "md5sum small/*.jpg" "$verify --jobs 2 small"
echo "== 2,000 stills of about 150 KiB ($(du -sh stills | cut -f1))"
hyperfine --warmup 2 --runs "$runs" "md5sum stills/*.jpg" "$verify --jobs 2 stills"
echo "== one 1 GiB MP4"
hyperfine --warmup 1 --runs "$runs" "md5sum clip-1.0.mp4" "$verify clip-1.0.mp4" "$verify clip-1.1.mp4" \
    "$verify --sha256 clip-1.0.mp4"
