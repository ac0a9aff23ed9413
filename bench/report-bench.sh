#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The PDF report's time and peak memory for growing file counts, each in a process of its own.
# Usage: bash bench/report-bench.sh [BUILD_DIR]   (a Release build with -DQUORLITH_BUILD_BENCH=ON)
set -euo pipefail
build=${1:-build-bench}
cmake --build "$build" --target report_bench >/dev/null
for files in 500 1000 2000 4000; do
    QT_QPA_PLATFORM=offscreen "$build/bin/report_bench" "$files"
done
