#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs every libFuzzer target for QUORLITH_FUZZ_SECONDS (an hour by default) each, one after the other,
# and prints per target the executions, the coverage (edges and features) and the findings. The corpus
# grows in a folder outside the tree (the first argument, default ~/.cache/quorlith/fuzz-corpus), seeded
# from fuzz/corpus/, so that a later run starts where this one stopped; findings are kept beside it.
# QUORLITH_FUZZ_TARGETS narrows the run to some targets, e.g. "fuzz_writers fuzz_escaping";
# QUORLITH_FUZZ_BUILD names the build folder (default build-fuzz-long).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${QUORLITH_FUZZ_BUILD:-build-fuzz-long}"
seconds="${QUORLITH_FUZZ_SECONDS:-3600}"
kept="${1:-$HOME/.cache/quorlith/fuzz-corpus}"
read -r -a targets <<<"${QUORLITH_FUZZ_TARGETS:-fuzz_trailer fuzz_verify fuzz_containers fuzz_escaping fuzz_writers fuzz_report_layout fuzz_keyset}"

cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLITH_BUILD_FUZZ=ON -DQUORLITH_BUILD_TESTS=OFF \
    -DQUORLITH_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

printf '%-20s %12s %8s %9s %8s %9s\n' target executions edges features corpus findings
for target in "${targets[@]}"; do
    corpus="$kept/$target"
    findings="$kept/findings/$target"
    mkdir -p "$corpus" "$findings"
    if [ -d "fuzz/corpus/$target" ]; then cp -rn "fuzz/corpus/$target/." "$corpus"; fi
    log="$kept/$target.log"
    # A finding does not end the run: libFuzzer keeps going (-fork) and each one lands in findings.
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/sanitizers/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/bin/$target" -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 \
        -max_total_time="$seconds" -max_len=16384 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || true
    # The fork mode's last status line: "#N: cov: C ft: F corp: K exec/s: E oom/timeout/crash: ...".
    status="$(grep -E '^#[0-9]+: cov: ' "$log" | tail -n 1)"
    executions="$(sed -nE 's/^#([0-9]+): .*/\1/p' <<<"$status")"
    edges="$(sed -nE 's/.* cov: ([0-9]+) .*/\1/p' <<<"$status")"
    features="$(sed -nE 's/.* ft: ([0-9]+) .*/\1/p' <<<"$status")"
    units="$(find "$corpus" -type f | wc -l)"
    found="$(find "$findings" -type f | wc -l)"
    printf '%-20s %12s %8s %9s %8s %9s\n' "$target" "${executions:-?}" "${edges:-?}" "${features:-?}" "$units" \
        "$found"
done
echo "corpus and findings: $kept"
