#!/usr/bin/env bash
# Runs every example command of docs/cli.md (the lines "$ ..." of its code blocks) and
# fails on the first that does not exit 0, so that the reference cannot drift from the program.
# Each example runs in a scratch folder holding a copy of examples/, with a copy of the program
# folder's rate files as `--cartella`, so the examples may write files and change the rate table.
#   tools/esempi_cli.sh DOCS.md BIN_DIR
set -euo pipefail
doc=$1
bin=$(cd "$2" && pwd)
radice=$(cd "$(dirname "$0")/.." && pwd)
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

cp -r "$radice/examples" "$lavoro/examples"
mkdir -p "$lavoro/programma"
cp "$bin"/NtassiU.dat "$bin"/NRectassiU.dat "$bin"/FontiTassi.csv "$bin"/serie-ufficiale.csv "$lavoro/programma/" 2>/dev/null || true
ln -s "$bin/vantrel-cli" "$lavoro/vantrel-cli"

n=0
while IFS= read -r riga; do
    comando=${riga#'$ '}
    n=$((n + 1))
    # The program folder is the executable's unless an example names one.
    if [[ $comando == vantrel-cli* && $comando != *--cartella* && $comando != "vantrel-cli --"* ]]; then
        comando="$comando --cartella programma"
    fi
    if ! (cd "$lavoro" && PATH="$lavoro:$PATH" eval "$comando") >"$lavoro/uscita" 2>&1; then
        echo "esempio $n non riuscito: $riga" >&2
        cat "$lavoro/uscita" >&2
        exit 1
    fi
done < <(awk '/^```/ { dentro = !dentro; next } dentro && /^\$ /' "$doc")

if ((n == 0)); then
    echo "nessun esempio in $doc" >&2
    exit 1
fi
echo "$n esempi eseguiti"
