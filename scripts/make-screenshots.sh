#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Redraws docs/details-window.png and docs/context-menu.png in a virtual X server, in English, and the
# Open File(s) dialog and a failed row's tooltip under de_DE and ja_JP (docs/file-dialog-LOCALE.png,
# docs/tooltip-LOCALE.png), from evidence stamped with the test key. Needs a build with tests
# (build/tests/MakeScreenshots), xvfb, and the locales and catalogues scripts/install-deps.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target MakeScreenshots >/dev/null
LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=xcb \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    build/tests/MakeScreenshots docs
for locale in de_DE ja_JP; do
    LC_ALL=$locale.UTF-8 LANGUAGE= QT_QPA_PLATFORM=xcb \
        xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        build/tests/MakeScreenshots docs "$locale"
done
