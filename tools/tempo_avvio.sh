#!/bin/sh
# Start-up time: from the launch of the process to the first paint of the calculation window, on
# the offscreen platform. The program is copied with the default rate set into an empty folder
# (portable use) and started N times with --uscita-dopo-avvio, which ends it at that paint without
# any teardown; the time is taken from outside, so loading the libraries and Qt count too.
# Prints each time and the median (ms). Usage: tools/tempo_avvio.sh [build folder] [N]
set -eu
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/dev}
n=${2:-15}
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cp "$build/bin/vantrel" "$build/bin/NtassiU.dat" "$build/bin/NRectassiU.dat" "$cartella/"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$cartella"
tempi=""
i=0
while [ "$i" -lt "$n" ]; do
    rm -f "$cartella"/*.DAT
    inizio=$(date +%s%N)
    uscita=$("$cartella/vantrel" --uscita-dopo-avvio 2>/dev/null)
    fine=$(date +%s%N)
    case $uscita in
    *disegnato*) ;;
    *) echo "il programma è terminato senza mostrare il calcolo T.E.G." >&2; exit 1 ;;
    esac
    tempi="$tempi $(( (fine - inizio) / 1000000 ))"
    i=$((i + 1))
done
echo "tempi (ms):$tempi"
echo "$tempi" | tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print "mediana (ms): " a[int((NR+1)/2)]}'
