#!/usr/bin/env python3
"""Prints the control-name map of ARCHITECTURE.md ("Nomi dei controlli") from the windows' lists of pairs.

Every `#define VANTREL_CONTROLLI_...(X)` list of X(nameInTheCode, "ControlName") pairs under core/ gives one
table; the comment line right above the #define is its heading. Usage: tools/mappa_controlli.py [FILE.h ...]
(default: every header under core/). The test nomi_controlli_test checks that ARCHITECTURE.md lists every pair.
"""
import pathlib
import re
import sys

RADICE = pathlib.Path(__file__).resolve().parent.parent
COPPIA = re.compile(r'X\((\w+),\s*"([^"]+)"\)')
# Controls resolved as arrays beside a list, by the list's macro.
ARRAY = {
    "VANTREL_CONTROLLI_TEG": [
        ("TS1..TS4, TS1b..TS4b, TS1c..TS4c", "tassiMedi[classe][trimestre]"),
        ("TU1..TU4, TU1b..TU4b, TU1c..TU4c", "soglie[classe][trimestre]"),
    ],
}


def elenchi(testo):
    righe = testo.split("\n")
    for i, riga in enumerate(righe):
        m = re.match(r"#define (VANTREL_CONTROLLI_\w+)\(X\)", riga)
        if not m:
            continue
        titolo = righe[i - 1].lstrip("/ ").strip() if i > 0 and righe[i - 1].startswith("//") else m.group(1)
        corpo = []
        for r in righe[i:]:
            corpo.append(r)
            if not r.rstrip().endswith("\\"):
                break
        yield m.group(1), titolo, COPPIA.findall("\n".join(corpo))


def main(argv):
    file = [pathlib.Path(a) for a in argv] or sorted((RADICE / "core").rglob("*.h"))
    for f in file:
        for macro, titolo, coppie in elenchi(f.read_text(encoding="utf-8")):
            print(f"### {titolo}\n")
            print("| Control | In the code |")
            print("|---|---|")
            for nome, controllo in coppie:
                print(f"| `{controllo}` | `{nome}` |")
            for controllo, nome in ARRAY.get(macro, []):
                print(f"| `{controllo}` | `{nome}` |")
            print()


if __name__ == "__main__":
    main(sys.argv[1:])
