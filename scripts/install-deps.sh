#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need; asks nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qtbase5-dev qttools5-dev-tools qttools5-dev libmbedtls-dev
    libgtest-dev libbenchmark-dev libssl-dev hyperfine
    ffmpeg imagemagick xvfb xauth desktop-file-utils appstream dpkg-dev file man-db lintian
    fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
