#!/usr/bin/env bash
# Installs what is missing, builds Vantrel and starts it: the desktop program where there is a
# display, otherwise a demonstration of the period check on the bundled examples.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/dev/bin/vantrel ]; then
    exec build/dev/bin/vantrel
fi
echo "Nessuno schermo disponibile: controllo dei periodi di esempio con vantrel-cli."
echo
build/dev/bin/vantrel-cli teg examples/periodi.csv --formato testo
echo
build/dev/bin/vantrel-cli mutuo --importo 100000 --rate 120 --tasso 6 | head -20
