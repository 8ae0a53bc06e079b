#!/usr/bin/env bash
# The size of the tests against the product: non-blank lines that are not only a comment, in the
# source files (C++, Python, shell, CMake) of tests/ against those of core/ cli/ gui/ app/ platform/.
set -euo pipefail
cd "$(dirname "$0")/.."
righe() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' -o -name '*.cmake' \
        -o -name CMakeLists.txt \) -print0 |
        xargs -0 cat | grep -Ev '^[[:space:]]*($|//|#[^a-z]|#$|/\*|\*)' | wc -l
}
prove=$(righe tests)
prodotto=$(righe core cli gui app platform)
echo "test: $prove righe; prodotto: $prodotto righe; rapporto $((100 * prove / prodotto)) %"
