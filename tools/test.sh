#!/usr/bin/env bash
# Installs what is missing, builds Vantrel and runs every test: the developer build with its Debian
# package, then the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

export QT_QPA_PLATFORM=offscreen
cmake --preset dev
cmake --build --preset dev
tools/pacchetto.sh build/dev
ctest --preset dev

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
