#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs the Debian 12 packages that building, running and testing need; asks nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qtbase5-dev qttools5-dev-tools qttools5-dev libssl-dev
    libgtest-dev libbenchmark-dev hyperfine
    ffmpeg imagemagick xvfb xauth desktop-file-utils appstream dpkg-dev devscripts file man-db lintian
    fonts-dejavu-core fonts-noto-cjk fonts-noto-core locales poppler-utils python3-pikepdf qpdf qttranslations5-l10n
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the tests run in: Turkish and Azerbaijani change the case of "i", German and Japanese are
# locales our users run, and the American, Canadian and Mexican ones print on Letter paper. The tests
# fail, never skip, when one of them is missing.
for name in tr_TR az_AZ de_DE ja_JP zh_TW en_US en_CA es_MX; do
    locale -a 2>/dev/null | grep -qix "${name}.utf-\?8" ||
        "${sudo_cmd[@]}" localedef -i "$name" -f UTF-8 "${name}.UTF-8"
done
