#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The window's tests whose code runs on several threads (labels gui and threaded: the verification run,
# the details window, the report export) under ThreadSanitizer (clang), offscreen.
# Suppressions name only Qt's own uninstrumented libraries (tests/sanitizers/tsan.supp); a planted race
# of ours on threads Qt starts must still be reported under them, or the step fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-ci-tsan
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORLITH_SANITIZE=thread >/dev/null
labels=(-L '^threaded$' -L '^gui$')
mapfile -t tests < <(ctest --test-dir "$build" -N "${labels[@]}" | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build "$build" -j"$(nproc)" --target "${tests[@]}" TsanCanary
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions="$PWD/tests/sanitizers/tsan.supp"

canary=$(mktemp)
trap 'rm -f "$canary"' EXIT
if QT_QPA_PLATFORM=offscreen "$build/tests/TsanCanary" >"$canary" 2>&1 ||
    ! grep -q "ThreadSanitizer: data race" "$canary" || ! grep -q "AddWithoutLock" "$canary"; then
    cat "$canary"
    echo "the planted race was not reported: the suppressions hide races in our own code"
    exit 1
fi
echo "planted race reported, as it must be"

QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${labels[@]}"
