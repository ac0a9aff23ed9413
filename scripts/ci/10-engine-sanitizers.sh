#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The tests of the layers below the verdict (platform, digest, engine) and of the stamping tool under
# AddressSanitizer and UndefinedBehaviorSanitizer, chosen by their labels.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build-ci-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORLITH_SANITIZE=address,undefined >/dev/null
cmake --build build-ci-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-ci-asan --output-on-failure -j"$(nproc)" -L '^(platform|digest|engine|tools)$'
