#!/usr/bin/env python3
"""Prints the map of control names for ARCHITECTURE.md: for every window that names its controls
with VANTREL_STRUTTURA_CONTROLLI, the control's own name beside the name the code reads.

    tools/mappa_controlli.py [FOLDER ...]     (default: core)
"""
import pathlib
import re
import sys

RADICE = pathlib.Path(__file__).resolve().parent.parent
ELENCO = re.compile(r"#define\s+(VANTREL_CONTROLLI_\w+)\(X\)((?:[^\n]*\\\n)*[^\n]*)")
STRUTTURA = re.compile(r"VANTREL_STRUTTURA_CONTROLLI\((\w+),\s*(\w+)\)")
COPPIA = re.compile(r'X\((\w+),\s*"([^"]*)"\)')
# The comment just above a list says which window it belongs to.
COMMENTO = re.compile(r"((?://[^\n]*\n)+)#define\s+(VANTREL_CONTROLLI_\w+)")


def sezioni(cartella):
    for h in sorted(cartella.rglob("*.h")):
        testo = h.read_text(encoding="utf-8")
        elenchi = {m.group(1): COPPIA.findall(m.group(2)) for m in ELENCO.finditer(testo)}
        commenti = {m.group(2): " ".join(r.strip("/ ").strip() for r in m.group(1).splitlines())
                    for m in COMMENTO.finditer(testo)}
        for m in STRUTTURA.finditer(testo):
            struttura, elenco = m.groups()
            if elenco in elenchi:
                yield h.relative_to(RADICE), struttura, commenti.get(elenco, ""), elenchi[elenco]


def main(argv):
    cartelle = [RADICE / a for a in argv] or [RADICE / "core"]
    for cartella in cartelle:
        for file, struttura, commento, coppie in sezioni(cartella):
            print(f"### `{struttura}` ({file})\n")
            if commento:
                print(commento.split(":")[0] + ".\n")
            print("| Controllo | Nel codice |\n|---|---|")
            for nome, legacy in coppie:
                print(f"| `{legacy}` | `{nome}` |")
            print()


if __name__ == "__main__":
    main(sys.argv[1:])
