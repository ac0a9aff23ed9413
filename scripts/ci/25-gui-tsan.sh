#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The tests of the verification run, the details window and the report export under ThreadSanitizer (clang),
# offscreen.
# Suppressions name only Qt's own uninstrumented internals (tests/sanitizers/tsan.supp).
set -euo pipefail
cd "$(dirname "$0")/../.."
CC=clang CXX=clang++ cmake -S . -B build-ci-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORLITH_SANITIZE=thread >/dev/null
tests=(TestVerifyRun TestAddRemove TestDetailsWindow TestReportExport)
cmake --build build-ci-tsan -j"$(nproc)" --target "${tests[@]}"
QT_QPA_PLATFORM=offscreen \
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions="$PWD/tests/sanitizers/tsan.supp" \
    ctest --test-dir build-ci-tsan --output-on-failure -j"$(nproc)" -R "^($(IFS='|'; echo "${tests[*]}"))\$"
