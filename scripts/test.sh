#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs what is missing, builds, and runs every test: the unit and end-to-end tests, then the
# extra checks in scripts/ci/ (sanitizer builds, fuzz smoke runs, packaging), each in order.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLITH_BUILD_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

for check in scripts/ci/*.sh; do
    [ -e "$check" ] || continue
    echo "== $check"
    bash "$check"
done
