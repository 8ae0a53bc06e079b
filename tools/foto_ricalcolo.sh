#!/usr/bin/env bash
# The picture of the tab "Ricalcolo" in the README (docs/immagini/ricalcolo.png): the example account
# of examples/ made into a case with vantrel-cli, opened in the desktop program under a virtual X
# server at 1366x768 with real keys and clicks (xdotool), its tab "Ricalcolo" shown and the fees
# removed. Usage: tools/foto_ricalcolo.sh [build folder] [picture]
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$radice/build/dev}" && pwd)
foto=${2:-$radice/docs/immagini/ricalcolo.png}
for p in Xvfb xdotool import; do command -v "$p" >/dev/null || { echo "manca $p"; exit 77; }; done

lavoro=$(mktemp -d)
programma=$lavoro/programma casa=$lavoro/casa mappa=$lavoro/mappa.tsv
mkdir -p "$programma" "$casa/Documents" && mkdir -m 700 "$lavoro/run"
cp "$build/bin/vantrel" "$build/bin/NtassiU.dat" "$build/bin/NRectassiU.dat" "$programma/"
cp "$radice/data/tasso-legale.csv" "$radice/data/bot-12-mesi-aste.csv" "$programma/"
pid_x="" pid_app=""
fine() {
    [ -n "$pid_app" ] && kill "$pid_app" 2>/dev/null || true
    [ -n "$pid_x" ] && kill "$pid_x" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap fine EXIT

conto=$casa/Documents/conto.vantrel
cli() { "$build/bin/vantrel-cli" "$@" --cartella "$programma/" >/dev/null; }
cli pratica crea "$conto" --cliente "Ferramenta Bianchi S.n.c." --saldo-iniziale -21.500,00 --inizio 01/01/2022
cli pratica condizioni "$conto" "$radice/examples/condizioni-conto-2-anni.csv"
cli pratica importa-movimenti "$conto" "$radice/examples/movimenti-conto-2-anni.csv"

n=42
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
pid_x=$!
unset QT_QPA_PLATFORM
export DISPLAY=":$n" HOME="$casa" XDG_CONFIG_HOME="$casa/.config" XDG_RUNTIME_DIR="$lavoro/run" \
    VANTREL_MAPPA_CONTROLLI="$mappa"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
(cd "$programma" && exec ./vantrel) >"$lavoro/vantrel.log" 2>&1 &
pid_app=$!

voce() { awk -F'\t' -v f="$1" -v c="$2" 'index($1, f) && $2 == c { print; exit }' "$mappa" 2>/dev/null; }
aspetta() {
    for _ in $(seq 150); do [ -n "$(voce "$1" "$2")" ] && return 0; sleep 0.1; done
    echo "il controllo $2 di \"$1\" non compare" >&2
    exit 1
}
clicca() {
    aspetta "$1" "$2"
    sleep 0.4
    local x y
    read -r x y < <(voce "$1" "$2" | awk -F'\t' '{ print int($3 + $5 / 2), int($4 + $6 / 2) }')
    xdotool mousemove "$x" "$y" click 1
    sleep 0.5
}

aspetta "T.E.G. maschera principale" NumeriD
sleep 1
xdotool mousemove 20 8 click 1 # File
sleep 0.8
xdotool mousemove 74 51 click 1 # Apri pratica...
sleep 1.5
xdotool key ctrl+a
xdotool type --delay 30 "$conto"
xdotool key Return
clicca "Pratica: conto" "SchedePratica#5"
clicca "Pratica: conto" EliminaCommissioni
sleep 1.5
import -window root "$foto"
echo "$foto"
