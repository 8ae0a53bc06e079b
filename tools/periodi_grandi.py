#!/usr/bin/python3
"""Writes a file of N account periods for `vantrel-cli teg`, to measure its time and memory on large
inputs: every category, both formulas and the years 2000 to 2026, as bench/teg_bench.cpp writes it.

    tools/periodi_grandi.py N FILE.csv
"""

import sys

DAL = ["01/01/", "01/04/", "01/07/", "01/10/"]
AL = ["31/03/", "30/06/", "30/09/", "31/12/"]
CATEGORIE = ["Conto Corrente", "Conto senza affidamento", "Conto anticipi"]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1].strip())
    n, file = int(sys.argv[1]), sys.argv[2]
    with open(file, "w", encoding="utf-8", newline="\n") as f:
        f.write("dal;al;categoria;formula;NumeriD;intDare;ComMS;extrafido;speseN;ComMS2;ASpese;fido;Acc\n")
        for i in range(n):
            anno, q = 2000 + i % 27, i % 4
            formula = "globale" if i % 2 else "Banca d'Italia"
            fido = 5000 + i % 9000
            f.write(f"{DAL[q]}{anno};{AL[q]}{anno};{CATEGORIE[i % 3]};{formula};{1000000 + i * 37}"
                    f";1.234,56;0;0;50,00;0;0;{fido};{fido}\n")


if __name__ == "__main__":
    main()
