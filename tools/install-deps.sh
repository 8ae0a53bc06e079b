#!/usr/bin/env bash
# Installs what building, running, testing and packaging Vantrel need, from Debian's packages only.
# Every name is a real package, not a name another package provides: dpkg-query knows only real
# ones, so a provided name would look missing at every run and send it to the network again.
set -euo pipefail

packages=(
    # building, and the house rules of tools/test.sh
    build-essential cmake ninja-build clang-format clang-tidy
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-svg-dev qt6-charts-dev
    libcurl4-openssl-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
    libxlsxwriter-dev zlib1g-dev libsqlite3-dev libzip-dev libexpat1-dev lld
    # the manual pages (help2man in the Italian locale, compiled from the locales package)
    help2man locales
    # the tests and tools/: test servers and certificates, workbooks, PDFs and OpenDocument texts read
    # back (and their XML checked), the user's journey and the screenshots under a virtual X server
    openssl python3 python3-pyftpdlib python3-openssl python3-openpyxl poppler-utils odt2txt unzip
    libxml2-utils
    xvfb xauth xdotool imagemagick
    # the Debian package and its checks (tools/pacchetto.sh)
    dpkg-dev file lintian appstream desktop-file-utils
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
