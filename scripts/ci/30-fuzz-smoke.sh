#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each for a short while (QUORLITH_FUZZ_SECONDS, 30 s by default) from a copy of its seed corpus (the
# committed corpus is never written to). A finding fails the step and prints the input.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-ci-fuzz
seconds="${QUORLITH_FUZZ_SECONDS:-30}"
targets=(fuzz_trailer fuzz_verify fuzz_containers fuzz_escaping fuzz_writers fuzz_report_layout fuzz_keyset)

cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLITH_BUILD_FUZZ=ON -DQUORLITH_BUILD_TESTS=OFF \
    -DQUORLITH_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    if [ -d "fuzz/corpus/$target" ]; then cp -r "fuzz/corpus/$target/." "$work/$target"; fi
    echo "== $target for ${seconds} s"
    # The report layout runs on Qt's offscreen platform, whose leaks and fontconfig's lsan.supp names.
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/sanitizers/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/bin/$target" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" 2>"$work/$target.log" || {
        tail -n 60 "$work/$target.log"
        echo "$target found a failure; the input is:" && ls -l "$work/$target-"* 2>/dev/null
        for input in "$work/$target-"*; do [ -e "$input" ] && base64 "$input"; done
        exit 1
    }
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|cov:' "$work/$target.log" | tail -n 3
done
