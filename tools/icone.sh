#!/bin/sh
# Draws the PNG icons of the menu entry and of the windows from packaging/vantrel.svg, the only
# drawing: run it after changing the SVG and commit what it writes. Each size is drawn large and
# scaled down, so that small sizes keep their edges; no date in the files, so a rerun on an
# unchanged drawing changes nothing.
set -eu
packaging=$(cd "$(dirname "$0")/../packaging" && pwd)
disegna() {
    /usr/bin/convert -background none -density 384 "$packaging/vantrel.svg" -resize "$1x$1" -strip \
        -define png:exclude-chunks=date,time "png32:$2"
}
mkdir -p "$packaging/icone"
for lato in 16 32 48 64 128; do
    disegna "$lato" "$packaging/icone/vantrel-$lato.png"
done
# The 256 px icon is also the one the windows carry (gui/icona.qrc).
disegna 256 "$packaging/vantrel.png"
