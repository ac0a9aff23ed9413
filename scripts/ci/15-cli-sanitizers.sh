#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The tests of quorlith-verify and of what it stands on (labels verdict, report, cli), the program
# included, under AddressSanitizer with UndefinedBehaviorSanitizer, then those of them labelled
# threaded under ThreadSanitizer (clang). The labels choose the tests: a new test in those folders
# runs here without being named.
set -euo pipefail
cd "$(dirname "$0")/../.."
# The tests a configured build directory holds with the labels asked for (ctest -L/-LE), unbuilt.
labelled() { ctest --test-dir "$1" -N "${@:2}" | sed -n 's/^ *Test *#[0-9]*: //p'; }
asanLabels=(-L '^(verdict|report|cli)$')
tsanLabels=(-L '^threaded$' -LE '^gui$')

cmake -S . -B build-ci-cli-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORLITH_SANITIZE=address,undefined \
    -DQUORLITH_BUILD_GUI=ON >/dev/null
mapfile -t tests < <(labelled build-ci-cli-asan "${asanLabels[@]}")
cmake --build build-ci-cli-asan -j"$(nproc)" --target "${tests[@]}" quorlith-verify
# --report lays its PDF out on Qt's offscreen platform, whose leaks tests/sanitizers/lsan.supp names.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
    LSAN_OPTIONS=suppressions="$PWD/tests/sanitizers/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-ci-cli-asan --output-on-failure -j"$(nproc)" "${asanLabels[@]}"

CC=clang CXX=clang++ cmake -S . -B build-ci-cli-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORLITH_SANITIZE=thread -DQUORLITH_BUILD_GUI=ON >/dev/null
mapfile -t threaded < <(labelled build-ci-cli-tsan "${tsanLabels[@]}")
cmake --build build-ci-cli-tsan -j"$(nproc)" --target "${threaded[@]}" quorlith-verify
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions="$PWD/tests/sanitizers/tsan.supp" \
    ctest --test-dir build-ci-cli-tsan --output-on-failure -j"$(nproc)" "${tsanLabels[@]}"
