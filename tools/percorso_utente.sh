#!/usr/bin/env bash
# A user's journey through the desktop program, with real mouse clicks and keys (xdotool) under a
# virtual X server at 1366x768: the program starts on an empty folder holding only the default rate
# set, a quarter is entered and computed, a figure is corrected by selecting it and typing over it,
# the row goes into the report, the report is saved, reopened in the report manager and printed to
# PDF through the print dialog, then the summary is made and printed. Then a whole account:
# examples/conto-24-trimestri.csv imported, its workbook, chart and PDF saved and the account printed,
# a loan solved and its plan exported, and the program left with rows not saved (Annulla keeps it
# open, Sì saves them). The PDFs are read with pdftotext, the workbooks with openpyxl, the chart's
# size with identify; the screenshots stay in BUILD/percorso_utente.
# The program tells where its controls are through VANTREL_MAPPA_CONTROLLI (see app/main.cpp).
# Usage: tools/percorso_utente.sh [build folder]. Exit 77 (skipped) when a tool is missing.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$radice/build/dev}" && pwd)
for p in Xvfb xdotool import identify pdftotext /usr/bin/python3; do
    command -v "$p" >/dev/null || { echo "manca $p: percorso saltato"; exit 77; }
done

lavoro=$(mktemp -d)
foto=$build/percorso_utente
rm -rf "$foto" && mkdir -p "$foto"
programma=$lavoro/programma casa=$lavoro/casa mappa=$lavoro/mappa.tsv uscite=$lavoro/uscite
mkdir -p "$programma" "$casa/Documents" "$uscite" && mkdir -m 700 "$lavoro/run"
cp "$build/bin/vantrel" "$build/bin/NtassiU.dat" "$build/bin/NRectassiU.dat" "$programma/"
pid_x="" pid_app=""
fine() {
    [ -n "$pid_app" ] && kill "$pid_app" 2>/dev/null || true
    [ -n "$pid_x" ] && kill "$pid_x" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap fine EXIT

# A free display from :42 on.
n=42
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
pid_x=$!
# No real printer is ever offered: the print dialog has only the PDF file. The test command runs
# the other Qt tests offscreen; this one must show its windows on the virtual screen.
unset QT_QPA_PLATFORM
export DISPLAY=":$n" HOME="$casa" XDG_CONFIG_HOME="$casa/.config" XDG_RUNTIME_DIR="$lavoro/run" \
    CUPS_SERVER="$lavoro/nessun-server" VANTREL_MAPPA_CONTROLLI="$mappa"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
(cd "$programma" && exec ./vantrel) >"$lavoro/vantrel.log" 2>&1 &
pid_app=$!

errore() {
    echo "ERRORE: $*" >&2
    import -window root "$foto/errore.png" 2>/dev/null || true
    exit 1
}
# The row of control $2 in the window whose title contains $1.
voce() { awk -F'\t' -v f="$1" -v c="$2" 'index($1, f) && $2 == c { print; exit }' "$mappa" 2>/dev/null; }
aspetta() {
    for _ in $(seq 100); do [ -n "$(voce "$1" "$2")" ] && return 0; sleep 0.1; done
    errore "il controllo $2 di \"$1\" non compare"
}
clicca() { # window, control[, clicks]
    aspetta "$1" "$2"
    sleep 0.3 # a map written after the last step: windows that just opened have found their place
    local x y
    read -r x y < <(voce "$1" "$2" | awk -F'\t' '{ print int($3 + $5 / 2), int($4 + $6 / 2) }')
    xdotool mousemove "$x" "$y" click --repeat "${3:-1}" --delay 80 1
    sleep 0.4
}
testo() { voce "$1" "$2" | cut -f7; }
scrivi() { xdotool type --delay 40 "$1"; sleep 0.2; }
tasto() { xdotool key "$@"; sleep 0.3; }
scatta() { sleep 0.6; import -window root "$foto/$1.png"; }
dialogo() { # waits for a top-level window titled $1, and for it to take the keys
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && sleep 0.4 && return 0
        sleep 0.1
    done
    errore "la finestra \"$1\" non si apre"
}
pdf() { # waits for a PDF in the documents and checks that its text matches each of the other arguments
    local file=$casa/Documents/$1 t
    shift
    for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
    [ -s "$file" ] || errore "manca $(basename "$file")"
    sleep 0.5
    t=$(pdftotext -layout "$file" -)
    for atteso in "$@"; do
        grep -qE -- "$atteso" <<<"$t" || errore "$(basename "$file") non contiene \"$atteso\""
    done
    echo "$(basename "$file"): ok"
}

T="T.E.G. maschera principale" P="Vantrel  [Rel." S="report dati" R="prospetto tabellare"

# 1. A quarter entered and computed.
aspetta "$T" NumeriD
clicca "$T" Combo1
scrivi 2025
tasto Return
clicca "$T" Command2 # I° Trim.
for coppia in NumeriD=9125000 intDare=250 ComMS=120 extrafido=0 speseN=50 ComMS2=0 ASpese=15 Acc=100000; do
    clicca "$T" "${coppia%%=*}"
    scrivi "${coppia#*=}"
    tasto Tab
done
clicca "$T" Command8 # giorni
clicca "$T" OK       # Formula Banca d'Italia
scatta 01-calcolo
[ -n "$(testo "$T" TegTXT)" ] || errore "il T.E.G. non è stato calcolato"

# 2. A figure corrected by selecting it and typing over it.
clicca "$T" intDare 2
if "$build/bin/vantrel-cli" script /dev/stdin <<<'{"finestra":"Taeg","passi":[{"selezione":["intDare",0,1]}]}' \
    >/dev/null 2>&1; then
    scrivi 300
else
    # This build still types at the end of a field: the figure is emptied with Backspace first.
    echo "nota: la modifica con il cursore non c'è ancora; il campo è svuotato con Backspace"
    tasto End BackSpace BackSpace BackSpace
    scrivi 300
fi
tasto Tab
[[ "$(testo "$T" intDare)" =~ ^300(,00)?$ ]] || errore "Interessi Dare dopo la correzione: \"$(testo "$T" intDare)\""
clicca "$T" OK
scatta 02-correzione

# 3. The row into the report, saved under a name.
clicca "$T" via # crea report
clicca "$T" "SSTab1#1"
clicca "$T" nome
scrivi prova
clicca "$T" SSCommand6 # Salva
dialogo "Salva con nome"
scatta 03-salva
tasto Return
for _ in $(seq 50); do [ -s "$programma/prova.RKT" ] && break; sleep 0.1; done
[ -s "$programma/prova.RKT" ] || errore "il report prova.RKT non è stato salvato"
# The row of the first quarter of 2025 carries the corrected interest (with or without decimals).
riga='01 25 .* 300(,00)? '
grep -qE "$riga" "$programma/prova.RKT" || errore "il report salvato non ha gli interessi corretti"

# 4. Reopened in the report manager and printed to PDF through the print dialog.
clicca "$P" SSCommand11
clicca "$S" Command3D2 # Apri
dialogo "Apri"
tasto ctrl+a
scrivi "$programma/prova.RKT"
tasto Return
scatta 04-riaperto
clicca "$S" Stampa
dialogo "Stampa"
scatta 05-dialogo-stampa
tasto Return
pdf report.pdf "Elenco dei valori di TEG rilevati" "Trim\." "$riga"

# 5. The summary of the calculation, printed. The tool bar brings the calculation window forward.
clicca "$P" SSCommand5
clicca "$T" "SSTab1#0"
clicca "$T" SSCommand2 # crea report tabellare
aspetta "$R" List1
scatta 06-riepilogo
clicca "$R" Stampa
dialogo "Stampa"
tasto Return
pdf riepilogo-calcolo.pdf "RIEPILOGO ELEMENTI CALCOLO T\.E\.G\." "Periodo: dal 01/01/2025" \
    "Totale Interessi +300(,00)?$"
scatta 07-riepilogo-stampato

# 6. A whole account imported from its CSV file, from the Report tab.
clicca "$T" "SSTab1#1"
clicca "$T" ImportaPeriodi
dialogo "Apri"
tasto ctrl+a
scrivi "$radice/examples/conto-24-trimestri.csv"
tasto Return
dialogo "Importa periodi" # the notes column is named and left aside
tasto Return
for _ in $(seq 100); do [ "$(testo "$T" TotTrimestri)" = 24 ] && break; sleep 0.1; done
[ "$(testo "$T" TotTrimestri)" = 24 ] || errore "trimestri controllati: \"$(testo "$T" TotTrimestri)\""
scatta 08-pratica

salva() { # control, file name in the outputs: the save dialog answered with the whole path
    clicca "$T" "$1"
    dialogo "Salva con nome"
    tasto ctrl+a
    scrivi "$uscite/$2"
    tasto Return
    for _ in $(seq 100); do [ -s "$uscite/$2" ] && break; sleep 0.1; done
    [ -s "$uscite/$2" ] || errore "manca $2"
    sleep 0.5
}
fogli() { # the sheets of a workbook, as Excel would open it
    /usr/bin/python3 -c 'import openpyxl, sys; print(";".join(openpyxl.load_workbook(sys.argv[1]).sheetnames))' "$1"
}

# 7. Its workbook, chart and PDF, then the account printed through the print dialog.
salva EsportaExcel conto.xlsx
[ "$(fogli "$uscite/conto.xlsx")" = "Riepilogo;Dati dei trimestri;Tassi usati" ] ||
    errore "fogli di conto.xlsx: $(fogli "$uscite/conto.xlsx")"
echo "conto.xlsx: ok"
salva SalvaGrafico grafico.png
[ "$(identify -format %wx%h "$uscite/grafico.png")" = 1600x900 ] || errore "grafico.png non è 1600x900"
echo "grafico.png: ok"
salva PdfPratica pratica.pdf
t=$(pdftotext -layout "$uscite/pratica.pdf" -)
for atteso in "Andamento del TEG e del tasso soglia" "Trimestri oltre la soglia: 5"; do
    grep -q -- "$atteso" <<<"$t" || errore "pratica.pdf non contiene \"$atteso\""
done
echo "pratica.pdf: ok"
prima=$(ls "$casa/Documents")
clicca "$T" StampaPratica
dialogo "Stampa"
tasto Return
for _ in $(seq 100); do
    stampata=$(comm -13 <(echo "$prima") <(ls "$casa/Documents") | grep '\.pdf$' | head -1)
    [ -n "$stampata" ] && break
    sleep 0.1
done
[ -n "$stampata" ] || errore "la stampa della pratica non ha scritto un PDF"
pdf "$stampata" "Andamento del TEG e del tasso soglia" "RIEPILOGO ELEMENTI CALCOLO T\.E\.G\."
scatta 09-pratica-esportata

# 8. A loan solved and its plan exported.
clicca "$T" "SSTab1#2"
for coppia in txtImporto=100000 txtNumRate=120 txtTasso=6; do
    clicca "$T" "${coppia%%=*}"
    scrivi "${coppia#*=}"
    tasto Tab
done
clicca "$T" CmdCalcola
[ "$(testo "$T" txtRata)" = "1.110,21" ] || errore "rata del mutuo: \"$(testo "$T" txtRata)\""
scatta 10-mutuo
salva cmdEsportaXlsx piano.xlsx
[ "$(fogli "$uscite/piano.xlsx")" = "Piano d'ammortamento;Dati del mutuo" ] ||
    errore "fogli di piano.xlsx: $(fogli "$uscite/piano.xlsx")"
echo "piano.xlsx: ok"

# 9. "Uscita" with the account's rows not saved: Annulla keeps the program, Sì saves them and ends.
clicca "$P" SSCommand2
dialogo "AVVERTIMENTO!"
scatta 11-uscita
tasto Escape
sleep 0.5
kill -0 "$pid_app" 2>/dev/null || errore "Annulla ha chiuso il programma"
clicca "$P" SSCommand2
dialogo "AVVERTIMENTO!"
tasto Return # Sì
# The result list asks a name, then the summary's text window.
for k in 1 2; do
    dialogo "Salva con nome"
    tasto ctrl+a
    scrivi "$uscite/uscita-$k.RKT"
    tasto Return
done
for _ in $(seq 100); do kill -0 "$pid_app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid_app" 2>/dev/null && errore "il programma non è terminato dopo il salvataggio"
pid_app=""
# The quarter typed by hand and the account's 24, closed by "Fine".
[ "$(grep -c '^ 0[1-4] [0-9][0-9] ' "$uscite/uscita-1.RKT")" = 25 ] && grep -q "^Fine" "$uscite/uscita-1.RKT" ||
    errore "uscita-1.RKT non ha le 25 righe dei trimestri"
grep -q "RIEPILOGO ELEMENTI CALCOLO" "$uscite/uscita-2.RKT" || errore "uscita-2.RKT non è il riepilogo"
echo "uscita-1.RKT, uscita-2.RKT: ok"
echo "percorso completato; fotografie in $foto"
