#!/usr/bin/env bash
# Installs what is missing, builds Vantrel and runs every test: the CI build (warnings as errors, the
# standard library's own checks) with its Debian package, the house rules (format, clang-tidy), then
# the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

export QT_QPA_PLATFORM=offscreen
cmake --preset ci
cmake --build --preset ci
tools/pacchetto.sh build/ci
ctest --preset ci

# Every source formatted as .clang-format says, in every folder.
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
# The names, sizes and bugprone checks of .clang-tidy over the product code, on the CI build's commands.
run-clang-tidy -p build/ci -quiet -j "$(nproc)" "$PWD/(core|cli|gui|app|platform)/" >build/ci/clang-tidy.log 2>&1 ||
    {
        grep -E 'warning:|error:' build/ci/clang-tidy.log | sort -u
        exit 1
    }

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
