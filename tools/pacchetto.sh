#!/usr/bin/env bash
# Builds the Debian package of a build folder with cpack and checks it as a Debian user's tools
# would: lintian and appstreamcli have nothing to say, the menu entry is valid, and the programs run
# from the package unpacked in a scratch root, finding the installed rate set.
# Usage: tools/pacchetto.sh [build folder] (default build/dev); the package stays in BUILD/pacchetto.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$radice/build/dev}" && pwd)
uscita=$build/pacchetto
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

errore() {
    echo "ERRORE: $*" >&2
    exit 1
}
# A check passes when the tool succeeds and prints nothing but the lines given after "--".
muto() {
    local nome=$1 testo stato=0
    shift
    local comando=()
    while [ "$1" != -- ]; do comando+=("$1") && shift; done
    shift
    testo=$("${comando[@]}" 2>&1) || stato=$?
    for ammessa in "$@"; do testo=$(grep -v -x -e "$ammessa" <<<"$testo" || true); done
    if [ $stato -ne 0 ] || [ -n "$testo" ]; then
        printf '%s\n' "$testo" >&2
        errore "$nome: uscita $stato"
    fi
}

# cpack packs what the folder's install scripts say: brought up to date with the sources first.
cmake --build "$build" >"$lavoro/build.log" 2>&1 || { cat "$lavoro/build.log" >&2; errore "la compilazione non riesce"; }
rm -rf "$uscita"
cpack --config "$build/CPackConfig.cmake" -B "$uscita" >"$lavoro/cpack.log" 2>&1 ||
    { cat "$lavoro/cpack.log" >&2; errore "cpack non ha fatto il pacchetto"; }
deb=$(ls "$uscita"/vantrel_*.deb)
versione=$(dpkg-deb -f "$deb" Version)

# lintian reminds a root user that it should not be one; that is no finding about the package.
muto lintian lintian --tag-display-limit 0 "$deb" -- 'running with root privileges is not recommended!'

dpkg -x "$deb" "$lavoro/radice"
metadati=$lavoro/radice/usr/share/metainfo/io.vantrel.Vantrel.metainfo.xml
muto appstreamcli appstreamcli validate --no-net "$metadati" -- '' '✔ Validation was successful.*'
# The tree's check also finds the menu entry and the icons the metadata names; it heads its findings
# with the file's name.
muto appstreamcli appstreamcli validate-tree --no-net "$lavoro/radice" -- '' '✔ Validation was successful.*' \
    'io.vantrel.Vantrel.metainfo.xml'
muto desktop-file-validate desktop-file-validate "$lavoro/radice/usr/share/applications/vantrel.desktop" --

# The installed programs: their version, and a threshold looked up in the installed official series
# from a user folder that starts empty.
for programma in vantrel vantrel-cli; do
    detta=$("$lavoro/radice/usr/bin/$programma" --version) || errore "$programma --version: uscita $?"
    [ "$detta" = "$programma $versione" ] || errore "$programma --version dice \"$detta\", il pacchetto è $versione"
done
soglia=$(HOME=$lavoro/casa XDG_DATA_HOME=$lavoro/dati "$lavoro/radice/usr/bin/vantrel-cli" soglie \
    --data 20/02/2018 --categoria anticipi --importo 30000) || errore "vantrel-cli soglie dal pacchetto: uscita $?"
[ -f "$lavoro/dati/vantrel/NtassiU.dat" ] || errore "la tabella dei tassi installata non arriva nella cartella dell'utente"
echo "$(basename "$deb"): lintian, appstreamcli e desktop-file-validate senza osservazioni"
printf '%s\n' "$soglia" | head -3
