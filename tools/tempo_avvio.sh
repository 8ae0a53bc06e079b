#!/bin/sh
# Start-up time: from process start to the calculation window shown, on the offscreen platform.
# Runs the program N times on an empty folder and prints each time and the median (ms).
# Usage: tools/tempo_avvio.sh [build folder] [N]
set -eu
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/gui}
n=${2:-15}
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cp "$build/bin/vantrel" "$build/bin/NtassiU.dat" "$build/bin/NRectassiU.dat" "$cartella/"
tempi=""
i=0
while [ "$i" -lt "$n" ]; do
    rm -f "$cartella"/*.DAT
    inizio=$(date +%s%N)
    QT_QPA_PLATFORM=offscreen "$cartella/vantrel" --uscita-dopo-avvio >/dev/null 2>&1
    fine=$(date +%s%N)
    tempi="$tempi $(( (fine - inizio) / 1000000 ))"
    i=$((i + 1))
done
echo "tempi (ms):$tempi"
echo "$tempi" | tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print "mediana (ms): " a[int((NR+1)/2)]}'
