#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# quorlith-verify with the MD5 of many files side by side in vector lanes, against md5sum over the same
# files, each ratio taken in one run, the files in the page cache, --jobs 2:
#   1. 32 stamped MP4s of 32 MiB, record version 1.0
#   2. 2,000 stamped JPGs of about 150 KiB (a typical camera still)
#   3. 2,000 stamped JPGs of 3.6 KiB (the fixture still)
#   4. one stamped 1 GiB MP4, record version 1.0 (one file has one stream)
# Goals: 0.15x, 0.3x, and no worse than with one stream for 3 and 4. Every case also runs with the lanes
# forced to one stream (QUORLITH_MD5_LANES=1), as the program verified before it had lanes. Prints the
# lane width and instruction set used, the processor and the load average before and after, since on a
# shared machine the processor-time ratios are the steadier ones. Builds a Release tree in build-bench
# (BUILD=DIR for another); the evidence, about 2.4 GiB, goes to a temporary folder under /tmp that is
# deleted afterwards.
# Usage: bash bench/md5-lanes-vs-md5sum.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
build=${BUILD:-build-bench}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORLITH_BUILD_TESTS=OFF \
    -DQUORLITH_BUILD_GUI=OFF -DQUORLITH_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target quorlith-verify quorlith-stamp >/dev/null
verify="$PWD/$build/bin/quorlith-verify"
stamp="$PWD/$build/bin/quorlith-stamp"
ratios_script="$PWD/bench/hyperfine-ratios.py"
key=tests/keys/recorder-test-key.pem

work=$(mktemp -d /tmp/quorlith-lanes.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/clips" "$work/small" "$work/stills"

# An MP4 of the given size: a file-type box and one "mdat" box of random bytes, then the 512-byte block.
make_mp4() {
    local total=$1 out=$2
    local payload=$((total - 24 - 512))
    local size=$((payload + 8))
    {
        printf '\x00\x00\x00\x10ftypisom\x00\x00\x02\x00'
        printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((size >> 24)) $((size >> 16 & 255)) \
            $((size >> 8 & 255)) $((size & 255)))"
        printf 'mdat'
        head -c "$payload" /dev/urandom
    } >"$work/media.mp4"
    "$stamp" --key "$key" --version 1.0 "$work/media.mp4" "$out" >/dev/null
    rm "$work/media.mp4"
}

# Many files: one stamped original each, copied, so that making them costs seconds, not minutes.
"$stamp" --key "$key" --version 1.0 tests/data/media/still.jpg "$work/small.jpg" >/dev/null
still_size=$(stat -c %s tests/data/media/still.jpg)
{ head -c $((still_size - 2)) tests/data/media/still.jpg; head -c 150000 /dev/urandom; printf '\xff\xd9'; } \
    >"$work/still-media.jpg"
"$stamp" --key "$key" --version 1.0 "$work/still-media.jpg" "$work/still.jpg" >/dev/null
for i in $(seq -w 1 2000); do
    cp "$work/small.jpg" "$work/small/$i.jpg"
    cp "$work/still.jpg" "$work/stills/$i.jpg"
done
make_mp4 $((32 << 20)) "$work/clip-32.mp4"
for i in $(seq -w 1 32); do
    cp "$work/clip-32.mp4" "$work/clips/$i.mp4"
done
make_mp4 $((1 << 30)) "$work/clip-1g.mp4"
rm "$work/small.jpg" "$work/still.jpg" "$work/still-media.jpg" "$work/clip-32.mp4"

# Every file must verify, with and without lanes, or the timings would compare different work.
"$verify" -j 2 "$work" >/dev/null || { echo "quorlith-verify did not pass the stamped files"; exit 1; }
QUORLITH_MD5_LANES=1 "$verify" -j 2 "$work" >/dev/null ||
    { echo "quorlith-verify with one MD5 stream did not pass the stamped files"; exit 1; }

lanes=$(python3 - <<'PY'
flags = next(line for line in open("/proc/cpuinfo") if line.startswith("flags")).split()
if all(f in flags for f in ("avx512f", "avx512bw", "avx512vl")):
    print("16 (AVX-512F/BW/VL)")
elif "avx2" in flags:
    print("8 (AVX2)")
else:
    print("1 (no vector lanes)")
PY
)
echo "processor: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores"
echo "MD5 lanes: $lanes"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# hyperfine NAME WARMUP COMMAND... : the first command is the reference.
compare() {
    local name=$1 warmup=$2
    shift 2
    echo "== $name"
    hyperfine --style none --warmup "$warmup" --runs "$runs" --export-json "$work/times.json" "$@" >/dev/null
    python3 "$ratios_script" "$work/times.json"
}

cd "$work"
one="env QUORLITH_MD5_LANES=1 $verify"
compare "32 MP4s of 32 MiB ($(du -sh clips | cut -f1)), --jobs 2" 1 "md5sum clips/*.mp4" \
    "$verify --jobs 2 clips" "$one --jobs 2 clips"
compare "2,000 stills of about 150 KiB ($(du -sh stills | cut -f1)), --jobs 2" 2 "md5sum stills/*.jpg" \
    "$verify --jobs 2 stills" "$one --jobs 2 stills"
compare "2,000 small JPGs ($(du -sh small | cut -f1)), --jobs 2" 2 "md5sum small/*.jpg" \
    "$verify --jobs 2 small" "$one --jobs 2 small"
compare "one 1 GiB MP4, --jobs 2" 1 "md5sum clip-1g.mp4" "$verify --jobs 2 clip-1g.mp4" \
    "$one --jobs 2 clip-1g.mp4"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
