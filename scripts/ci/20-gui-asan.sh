#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The window's tests under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, offscreen.
# Shares build-ci-asan with the engine's sanitizer run. Leaks are suppressed only in third-party
# libraries (tests/sanitizers/lsan.supp); full unwinding lets the suppressions see those frames.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build-ci-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORLITH_SANITIZE=address,undefined >/dev/null
cmake --build build-ci-asan -j"$(nproc)"
QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
    LSAN_OPTIONS=suppressions="$PWD/tests/sanitizers/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-ci-asan --output-on-failure -j"$(nproc)" -L gui
