#!/usr/bin/env bash
# Installs what building, running and testing Vantrel needs, from Debian's packages only.
set -euo pipefail

packages=(
    build-essential cmake ninja-build clang-format clang-tidy
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libqt6svg6-dev
    libcurl4-openssl-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-charts-dev libxlsxwriter-dev zlib1g-dev openssl
    python3 python3-pyftpdlib python3-openssl python3-openpyxl poppler-utils xvfb xauth xdotool imagemagick lld
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
fi
