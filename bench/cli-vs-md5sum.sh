#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# quorlith-verify against the reference tools over the same files, each ratio taken in one run:
#   1. 2,000 small stamped JPGs (the 3.6 KiB fixture still), quorlith-verify --jobs 2, vs md5sum
#   2. 2,000 stamped JPGs of about 150 KiB (a typical camera still), --jobs 2, vs md5sum
#   3. one stamped 1 GiB MP4, record version 1.0 (MD5 over the content), vs md5sum; version 1.1 beside it
#   4. the same MP4 with --sha256 (both digests in one reading), vs md5sum
#   5. the window's details SHA-256 of the same MP4, vs sha256sum
#   6. one RSA public operation of the engine (opening a watermark block), vs `openssl speed rsa2048`
#      verify
# Goals: 1.5x, 0.7x, 1.05x, 1.3x, 1.1x and 1.2x. BASELINE=/path/to/an/older/quorlith-verify adds that
# build to cases 1 to 4, timed in the same run. Builds a Release tree in build-bench-cli; the evidence
# goes to a temporary folder under /tmp (about 2.5 GiB) that is deleted afterwards.
# Usage: bash bench/cli-vs-md5sum.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
build=build-bench-cli
baseline=${BASELINE:-}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORLITH_BUILD_TESTS=OFF \
    -DQUORLITH_BUILD_GUI=OFF -DQUORLITH_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target quorlith-verify quorlith-stamp engine_bench details_sha256 >/dev/null
verify="$PWD/$build/bin/quorlith-verify"
stamp="$PWD/$build/bin/quorlith-stamp"
details="$PWD/$build/bin/details_sha256"
engine_bench="$PWD/$build/bin/engine_bench"
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

# Every file must verify, and the SHA-256s agree, or the timings would compare different work.
"$verify" -j 2 "$work" >/dev/null || { echo "quorlith-verify did not pass the stamped files"; exit 1; }
[ "$("$details" "$work/clip-1.0.mp4")" = "$(sha256sum "$work/clip-1.0.mp4")" ] ||
    { echo "the details SHA-256 differs from sha256sum's"; exit 1; }

# Prints each command's mean wall time and processor time (user and system) and their ratios to the
# first command's (the reference). On a machine shared with other work the processor time is the
# steadier of the two: waiting for a core counts in the wall time only.
ratios_script="$PWD/bench/hyperfine-ratios.py"
ratios() {
    python3 "$ratios_script" "$1"
}

# hyperfine NAME WARMUP COMMAND... : the first command is the reference.
compare() {
    local name=$1 warmup=$2
    shift 2
    echo "== $name"
    hyperfine --style none --warmup "$warmup" --runs "$runs" --export-json "$work/times.json" "$@" >/dev/null
    ratios "$work/times.json"
}

cd "$work"
compare "2,000 small JPGs ($(du -sh small | cut -f1)), --jobs 2" 2 "md5sum small/*.jpg" \
    "$verify --jobs 2 small" ${baseline:+"$baseline --jobs 2 small"}
compare "2,000 stills of about 150 KiB ($(du -sh stills | cut -f1)), --jobs 2" 2 "md5sum stills/*.jpg" \
    "$verify --jobs 2 stills" ${baseline:+"$baseline --jobs 2 stills"}
compare "one 1 GiB MP4" 1 "md5sum clip-1.0.mp4" "$verify clip-1.0.mp4" "$verify clip-1.1.mp4" \
    "$verify --sha256 clip-1.0.mp4" ${baseline:+"$baseline clip-1.0.mp4"} \
    ${baseline:+"$baseline --sha256 clip-1.0.mp4"}
compare "the window's details SHA-256 of the 1 GiB MP4" 1 "sha256sum clip-1.0.mp4" "$details clip-1.0.mp4"

echo "== one RSA public operation"
openssl_per_second=$(openssl speed -seconds 3 rsa2048 2>/dev/null | awk '$1 == "rsa" && $2 == "2048" { print $(NF) }')
engine_us=$("$engine_bench" --benchmark_filter='BM_OpenTrailer$' --benchmark_min_time=3 --benchmark_format=json |
    python3 -c 'import json, sys; b = json.load(sys.stdin)["benchmarks"][0]; print(b["real_time"], b["cpu_time"])')
python3 - "$openssl_per_second" $engine_us <<'PY'
import sys
openssl_us = 1e6 / float(sys.argv[1])
wall_us, cpu_us = float(sys.argv[2]), float(sys.argv[3])
print(f"  {openssl_us:10.1f} us  1.00x  openssl speed rsa2048, verify")
print(f"  {wall_us:10.1f} us  {wall_us / openssl_us:5.2f}x  OpenTrailer (engine_bench BM_OpenTrailer), wall")
print(f"  {cpu_us:10.1f} us  {cpu_us / openssl_us:5.2f}x  OpenTrailer (engine_bench BM_OpenTrailer), processor")
PY
