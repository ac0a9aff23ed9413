#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# What many key sets cost, each ratio taken in one hyperfine run of quorlith-verify --jobs 2:
#   1. 2,000 stamped 3.6 KiB stills of one family with 8 key sets loaded, the family's set tried last
#      (--only-keys, its key file sorting last), against the same files with the built-in set alone.
#      Goal: at most 1.1x; each worker opens its first file with up to 8 RSA operations and every
#      further file with one, beginning with the set that opened its previous file.
#   2. 200 stills without a watermark, 8 sets against 1: each such file costs one RSA operation per set
#      at its own type's place and one at the other types' place, so the ratio approaches 8x.
# Builds a Release tree in build-bench-keys; the files go to a temporary folder that is deleted afterwards.
# Usage: bash bench/key-sets.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
build=build-bench-keys

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORLITH_BUILD_TESTS=OFF \
    -DQUORLITH_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target quorlith-verify quorlith-stamp >/dev/null
verify="$PWD/$build/bin/quorlith-verify"
stamp="$PWD/$build/bin/quorlith-stamp"

work=$(mktemp -d /tmp/quorlith-keys-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -m 755 "$work/keys" "$work/stills" "$work/plain" "$work/config"

# Seven other families with keys of their own, and the test recorders' set as a key file sorting last.
for i in 1 2 3 4 5 6 7; do
    openssl genrsa -out "$work/family-$i.pem" 2048 2>/dev/null
    modulus=$(openssl rsa -in "$work/family-$i.pem" -noout -modulus | cut -d= -f2)
    printf 'quorlith-key-set 1\nname: Family %s\nmodulus: %s\nhmac-key: %s\n' "$i" "$modulus" \
        "$(head -c 22 /dev/urandom | od -An -tx1 | tr -d ' \n')" >"$work/keys/family-$i.key"
done
printf 'quorlith-key-set 1\nname: Test recorders\nmodulus: %s\nhmac-key: %s\n' \
    "$(tr -d '\n' <tests/keys/recorder-test-modulus.hex)" "$(printf 'TrevalonQuorlithHmac01' | od -An -tx1 | tr -d ' \n')" \
    >"$work/keys/z-test-recorders.key"
chmod 644 "$work/keys"/*.key

"$stamp" --key tests/keys/recorder-test-key.pem --version 1.0 tests/data/media/still.jpg "$work/small.jpg" >/dev/null
for i in $(seq -w 1 2000); do cp "$work/small.jpg" "$work/stills/$i.jpg"; done
for i in $(seq -w 1 200); do cp tests/data/media/still.jpg "$work/plain/$i.jpg"; done

export XDG_CONFIG_HOME="$work/config"
[ "$("$verify" --only-keys --keys "$work/keys" --list-keys | wc -l)" -eq 8 ] || { echo "8 key sets expected"; exit 1; }
"$verify" -j 2 --only-keys --keys "$work/keys" "$work/stills" >/dev/null || { echo "the stills did not verify"; exit 1; }

hyperfine --warmup 2 --runs "$runs" --export-markdown "$work/stills.md" \
    -n "built-in set alone" "$verify -j 2 $work/stills" \
    -n "8 sets, the family's last" "$verify -j 2 --only-keys --keys $work/keys $work/stills"
cat "$work/stills.md"
hyperfine --warmup 2 --runs "$runs" -i --export-markdown "$work/plain.md" \
    -n "no watermark, 1 set" "$verify -j 2 $work/plain" \
    -n "no watermark, 8 sets" "$verify -j 2 --only-keys --keys $work/keys $work/plain"
cat "$work/plain.md"
