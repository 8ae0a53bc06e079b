#!/usr/bin/env bash
# Mutation testing: do the tests notice realistic faults? Each line of the list (default
# tools/mutazioni.txt) is one single-line fault, "file|original text|faulty text" ("\|" for a "|"
# in the texts, "#" starts a comment line). The faults are put one at a time into a scratch copy
# of the tree (build/mutazioni/sorgenti, uncommitted changes included), which is rebuilt
# incrementally and tested with ctest; the working tree is never touched. "{NL}" in a text stands
# for a line break, so that a fault can delete a line or hang on its neighbour to be found once.
# A fault is "preso" when a test fails or times out (the failing tests are named), "sopravvissuto" when every test passes,
# "non compila" when the build fails (counted apart), "non applicabile" when its original text is
# not found exactly once. Prints each outcome, the score and the survivors.
# The desktop journey under a virtual X server (percorso_utente) is left out: it takes minutes, and
# every view it drives has its own faster tests.
# Usage: tools/mutazioni.sh [list] [number of the first fault] [number of the last fault]
#        tools/mutazioni.sh --controlla [list]   only says which faults no longer apply
#        tools/mutazioni.sh --casuali SEED N     N faults nobody chose, drawn by
#                                                tools/mutazioni_casuali.py with SEED
# A survivor listed in tools/mutazioni_equivalenti.txt ("file|original|faulty|why", the fault
# changes nothing a user or a file can see) is counted apart as equivalent, with its reason.
# Environment: MUTAZIONI_LIMITE seconds per fault for build and tests (default 900);
# MUTAZIONI_CARTELLA the scratch folder (default build/mutazioni), so that two halves can run at once.
set -uo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
controlla=0
if [ "${1:-}" = --controlla ]; then controlla=1; shift; fi
if [ "${1:-}" = --casuali ]; then
    mkdir -p "${MUTAZIONI_CARTELLA:-$radice/build/mutazioni}"
    casuali=${MUTAZIONI_CARTELLA:-$radice/build/mutazioni}/casuali-$2.txt
    (cd "$radice" && /usr/bin/python3 tools/mutazioni_casuali.py "$2" "$3") >"$casuali" || exit 2
    set -- "$casuali"
fi
elenco_dato=$(realpath "${1:-$radice/tools/mutazioni.txt}")
equivalenti=$radice/tools/mutazioni_equivalenti.txt
primo=${2:-1}
ultimo=${3:-100000}
limite=${MUTAZIONI_LIMITE:-900}
lavoro=${MUTAZIONI_CARTELLA:-$radice/build/mutazioni}
copia=$lavoro/sorgenti
build=$copia/build/dev # where the dev build lies in the tree: ccache then finds the same relative paths

# The scratch copy, with the times of the files kept so that only what changed is rebuilt.
mkdir -p "$copia"
find "$copia" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} + # the build is kept
elenco=$lavoro/mutazioni.txt
cp "$elenco_dato" "$elenco" # the list as it was at the start, whatever happens to it meanwhile
tar -C "$radice" --exclude=./build --exclude=./.git -cf - . | tar -C "$copia" -xf -
# A file edited while an earlier run was building keeps a time older than its objects: whatever
# changed since the last copy is made newer, so that it is rebuilt.
(cd "$copia" && find . -path ./build -prune -o -type f -print0 | sort -z | xargs -0 sha1sum) >"$lavoro/somme.nuove"
if [ -f "$lavoro/somme" ]; then
    diff "$lavoro/somme" "$lavoro/somme.nuove" | sed -n 's/^> [0-9a-f]*  //p' | (cd "$copia" && xargs -r touch)
fi
mv "$lavoro/somme.nuove" "$lavoro/somme"
mkdir -p "$build"
# A run killed in the middle of a fault leaves that file's objects built from the fault: rebuild it.
[ -f "$lavoro/in_corso" ] && touch "$copia/$(cat "$lavoro/in_corso")" && rm -f "$lavoro/in_corso"
if [ $controlla -eq 0 ]; then
    # The flags of the ci preset, whose checked standard library catches a read past the end; no
    # debug information and lld, so that each fault is rebuilt and linked sooner.
    cmake -S "$copia" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS \
        -DVANTREL_BUILD_BENCHMARKS=OFF -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld >"$lavoro/configura.log" 2>&1 ||
        { echo "configurazione fallita: $lavoro/configura.log"; exit 2; }
    echo "Compilazione della copia di lavoro..."
    cmake --build "$build" -j2 >"$lavoro/compila.log" 2>&1 || { echo "la copia non compila: $lavoro/compila.log"; exit 2; }
    prove() { QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j2 -E '^percorso_utente$' "$@"; }
    prove --timeout 300 >"$lavoro/prove.log" 2>&1 || { echo "i test falliscono già senza guasti: $lavoro/prove.log"; exit 2; }
fi

# Applies (or, with --ripristina, undoes) fault n of the list in the copy; prints its description.
applica() {
    /usr/bin/python3 - "$elenco" "$copia" "$@" <<'EOF'
import os, re, shutil, sys
elenco, copia, n = sys.argv[1], sys.argv[2], int(sys.argv[3])
righe = [r.rstrip("\n") for r in open(elenco, encoding="utf-8") if r.strip() and not r.startswith("#")]
if n > len(righe):
    sys.exit(3)
campi = [c.replace("\\|", "|").replace("{NL}", "\n") for c in re.split(r"(?<!\\)\|", righe[n - 1])]
file, originale, guasto = campi[0], campi[1], campi[2]
percorso = copia + "/" + file
open(os.path.join(os.path.dirname(copia), "in_corso"), "w").write(file)
if len(sys.argv) > 4:  # --ripristina: the original back, with a new time so that it is rebuilt
    shutil.copyfile(percorso + ".originale", percorso)
    os.remove(percorso + ".originale")
    os.remove(os.path.join(os.path.dirname(copia), "in_corso"))
    sys.exit(0)
print(file + ": " + " ".join(originale.split()) + "  ->  " + " ".join(guasto.split()))
testo = open(percorso, encoding="utf-8").read() if os.path.isfile(percorso) else ""
if testo.count(originale) != 1:
    sys.exit(4)
shutil.copyfile(percorso, percorso + ".originale")
open(percorso, "w", encoding="utf-8").write(testo.replace(originale, guasto))
EOF
}

attivo=0
ripristina() { [ "$attivo" -gt 0 ] && applica "$attivo" --ripristina; attivo=0; }
trap 'ripristina; echo; echo interrotto; exit 130' INT TERM

# The reason a fault is equivalent, when the triage found it so; empty otherwise.
equivalente() {
    /usr/bin/python3 - "$elenco" "$equivalenti" "$1" <<'EOF'
import re, sys
elenco, equivalenti, n = sys.argv[1], sys.argv[2], int(sys.argv[3])
righe = [r.rstrip("\n") for r in open(elenco, encoding="utf-8") if r.strip() and not r.startswith("#")]
voce = re.split(r"(?<!\\)\|", righe[n - 1])[:3]
try:
    for r in open(equivalenti, encoding="utf-8"):
        campi = re.split(r"(?<!\\)\|", r.rstrip("\n"))
        if not r.startswith("#") and campi[:3] == voce:
            print(campi[3] if len(campi) > 3 else "equivalente")
except FileNotFoundError:
    pass
EOF
}

presi=0; sopravvissuti=(); equivalenti_trovati=(); noncompila=0; nonapplicabili=0; n=$primo
while [ "$n" -le "$ultimo" ]; do
    descrizione=$(applica "$n"); esito=$?
    [ $esito -eq 3 ] && break
    if [ $esito -eq 4 ]; then
        echo "[$n] non applicabile  $descrizione"; nonapplicabili=$((nonapplicabili + 1)); n=$((n + 1)); continue
    fi
    if [ $controlla -eq 1 ]; then
        applica "$n" --ripristina; n=$((n + 1)); continue
    fi
    attivo=$n
    inizio=$(date +%s)
    if ! timeout "$limite" cmake --build "$build" -j2 >"$lavoro/guasto.log" 2>&1; then
        echo "[$n] non compila  $descrizione"; noncompila=$((noncompila + 1))
    # The first failing test is enough to call the fault caught.
    elif timeout "$limite" bash -c "$(declare -f prove); build='$build' prove --timeout 120 --stop-on-failure" \
        >"$lavoro/guasto.log" 2>&1; then
        perche=$(equivalente "$n")
        if [ -n "$perche" ]; then
            echo "[$n] equivalente ($perche)  $descrizione"; equivalenti_trovati+=("[$n] $descrizione: $perche")
        else
            echo "[$n] SOPRAVVISSUTO ($(($(date +%s) - inizio)) s)  $descrizione"; sopravvissuti+=("[$n] $descrizione")
        fi
    else
        # The tests that caught it: a test that alone catches a fault must not be cut.
        chi=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$lavoro/guasto.log" | tr '\n' ' ')
        echo "[$n] preso ($(($(date +%s) - inizio)) s) [${chi% }]  $descrizione"; presi=$((presi + 1))
    fi
    ripristina
    n=$((n + 1))
done
[ $controlla -eq 0 ] && cmake --build "$build" -j2 >/dev/null 2>&1 # leave the copy built as the tree is

totale=$((presi + ${#sopravvissuti[@]}))
echo
echo "Guasti presi: $presi su $totale ($((totale ? 100 * presi / totale : 0)) %); equivalenti: ${#equivalenti_trovati[@]}; non compilano: $noncompila; non applicabili: $nonapplicabili"
if [ ${#equivalenti_trovati[@]} -gt 0 ]; then
    echo "Equivalenti:"
    printf '  %s\n' "${equivalenti_trovati[@]}"
fi
if [ ${#sopravvissuti[@]} -gt 0 ]; then
    echo "Sopravvissuti:"
    printf '  %s\n' "${sopravvissuti[@]}"
fi
