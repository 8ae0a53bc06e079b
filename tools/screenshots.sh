#!/bin/sh
# Screenshots of the desktop program after a period check on an empty folder, under a virtual
# X server the size of a laptop screen (1366x768). Usage: tools/screenshots.sh [build folder]
# (default build/dev)
set -eu
radice=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$radice/build/dev}
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cp "$build/bin/NtassiU.dat" "$build/bin/NRectassiU.dat" "$build/bin/serie-ufficiale.csv" "$cartella/"

scatta() {
    xvfb-run -a -n 42 -s "-screen 0 1366x768x24" sh -c "
        '$build/bin/vantrel-dimostrazione' '$cartella' $2 & pid=\$!
        sleep 3
        import -window root '$radice/docs/$1'
        kill \$pid"
}
scatta calcolo-banca-italia.png ""
scatta calcolo-globale.png --globale
scatta mutuo.png --mutuo
scatta tassi-usurari.png --usurari
scatta tassi-soglia-ufficiali.png --soglie 1366x768x24
echo "docs/calcolo-banca-italia.png docs/calcolo-globale.png docs/mutuo.png docs/tassi-usurari.png"
echo "docs/tassi-soglia-ufficiali.png"
scatta riepilogo-pratica.png "--pratica '$radice/examples/conto-24-trimestri.csv'"
echo "docs/calcolo-banca-italia.png docs/calcolo-globale.png docs/mutuo.png docs/tassi-usurari.png docs/riepilogo-pratica.png"
