#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Redraws docs/details-window.png and docs/context-menu.png in a virtual X server, in English, from
# evidence stamped with the test key. Needs a build with tests (build/tests/MakeScreenshots) and xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target MakeScreenshots >/dev/null
LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=xcb \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    build/tests/MakeScreenshots docs
