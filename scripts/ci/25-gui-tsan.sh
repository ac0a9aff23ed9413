#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The window's tests whose code runs on several threads (labels gui and threaded: the verification run,
# the details window, the report export) under ThreadSanitizer (clang), offscreen.
# Suppressions name only Qt's own uninstrumented internals (tests/sanitizers/tsan.supp).
set -euo pipefail
cd "$(dirname "$0")/../.."
CC=clang CXX=clang++ cmake -S . -B build-ci-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORLITH_SANITIZE=thread >/dev/null
labels=(-L '^threaded$' -L '^gui$')
mapfile -t tests < <(ctest --test-dir build-ci-tsan -N "${labels[@]}" | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build build-ci-tsan -j"$(nproc)" --target "${tests[@]}"
QT_QPA_PLATFORM=offscreen \
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions="$PWD/tests/sanitizers/tsan.supp" \
    ctest --test-dir build-ci-tsan --output-on-failure -j"$(nproc)" "${labels[@]}"
