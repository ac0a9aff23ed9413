#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each for a minute from a copy of its seed corpus (the committed corpus is never written to).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-ci-fuzz
seconds="${QUORLITH_FUZZ_SECONDS:-60}"

cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLITH_BUILD_FUZZ=ON -DQUORLITH_BUILD_TESTS=OFF \
    -DQUORLITH_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_trailer fuzz_verify

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in fuzz_trailer fuzz_verify; do
    cp -r "fuzz/corpus/$target" "$work/$target"
    echo "== $target for ${seconds} s"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/bin/$target" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" 2>"$work/$target.log" || {
        tail -n 60 "$work/$target.log"
        echo "$target found a failure; the input is:" && ls -l "$work/$target-"* 2>/dev/null
        for input in "$work/$target-"*; do [ -e "$input" ] && base64 "$input"; done
        exit 1
    }
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|cov:' "$work/$target.log" | tail -n 3
done
