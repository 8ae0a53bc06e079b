#!/usr/bin/python3
"""Works out by hand, in exact fractions, the separate test of the maximum-overdraft commission (CMS)
for periods up to 31/12/2009 (Cass. SS.UU. 16303/2018), and writes the cases with their expected
figures to tests/data/cms_attesi.csv for the test of the program's function.

The test, as a court expert does it:
  TEG without CMS   Bank of Italy: (interest + other interest) x divisor / numeri
                                   + (expenses + other charges) x 100 / accordato
                    global:        (interest + other interest + expenses + other charges) x divisor / numeri
  CMS rate          CMS x 100 / highest overdraft
  CMS threshold     CMS average x 1,5 (old rule) or x 1,25 + 4, at most + 8 (new rule), never rounded
  CMS excess        CMS - CMS threshold x highest overdraft / 100, only when the CMS rate is over
  interest margin   (threshold - TEG without CMS) x numeri / divisor
Rates are compared as printed (three decimals, half up), amounts to the cent.

    tools/cms_attesa.py             rewrites tests/data/cms_attesi.csv
    tools/cms_attesa.py --verifica  exits 1 when the file differs from what it works out

Nothing here calls the program.
"""

import datetime
import os
import sys
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FILE = os.path.join(RADICE, "tests", "data", "cms_attesi.csv")
ND = "n.d."

COLONNE = ["caso", "dal", "al", "tegm", "formula", "interessi", "altri_interessi", "spese", "altri_oneri", "cms_interessi",
           "cms_spese", "massimo_scoperto", "numeri", "divisore", "fido", "soglia", "cms_media", "norma", "lettura",
           "valuta", "TegConCMS", "TegSenzaCMS", "TassoCMS", "SogliaCMS", "EccedenzaCMS", "MargineInteressi", "EsitoCMS"]

# The cases: a 2005 quarter of a current account over 5.000 euro (TEGM 9,51, threshold 14,265), numeri
# 2.000.000 over 90 days, expenses 30 on a credit line of 30.000, highest overdraft 40.000; the CMS
# average 0,30 is one a user entered in the rate window.
BASE = dict(dal="01/01/2005", al="31/03/2005", tegm="9,51", formula="bancaitalia", interessi="651,00", altri_interessi="0", spese="30,00",
            altri_oneri="0", cms_interessi="0", cms_spese="0", massimo_scoperto="40.000,00", numeri="2.000.000",
            divisore="36500", fido="30.000,00", cms_media="0,30", norma="vecchia",
            lettura="separata", valuta="euro")
CASI = [
    # TEG with the CMS 15,631, over 14,265; apart: 11,981 within, CMS 0,500 over 0,45 by 20 euro,
    # which the margin of 125,15 euro absorbs.
    dict(caso="2005 CMS compensata", cms_interessi="200,00"),
    # The CMS on the expense side, 600 euro: 420 euro over its threshold, more than the margin.
    dict(caso="2005 eccedenza oltre il margine", cms_spese="600,00"),
    # The interest alone is over the threshold, the CMS within its own; other interest and charges too.
    dict(caso="2005 interessi oltre", interessi="1.000,00", altri_interessi="50,00", altri_oneri="16,00",
         cms_interessi="100,00"),
    # The new rule chosen by hand for the period: its threshold and the CMS threshold by that rule.
    dict(caso="2005 nuova norma scelta", norma="nuova", cms_spese="600,00"),
    # No CMS average for the quarter: no CMS threshold, no verdict.
    dict(caso="2005 senza CMS media", cms_interessi="200,00", cms_media=""),
    # No highest overdraft: no CMS rate, no verdict.
    dict(caso="2005 senza massimo scoperto", cms_interessi="200,00", massimo_scoperto=""),
    # From 2010 the CMS is part of the TEG: no separate test.
    dict(caso="2010 CMS nel TEG", dal="01/01/2010", al="31/03/2010", tegm="9,59", cms_interessi="200,00"),
    # The other reading, chosen in the settings.
    dict(caso="2005 lettura CMS nel TEG", cms_interessi="200,00", lettura="nelteg"),
    # The global formula in a leap year (divisor 36.600), 3rd quarter 2008, threshold 14,805,
    # CMS average 0,80 (threshold 1,2), a CMS of 500 euro on 50.000: 1,000 %, within.
    dict(caso="2008 formula globale", dal="01/07/2008", al="30/09/2008", tegm="9,87", formula="globale",
         interessi="700,00", spese="40,00", altri_oneri="10,00", numeri="2.500.000", divisore="36600",
         cms_interessi="500,00",
         massimo_scoperto="50.000,00", cms_media="0,80"),
    # Lire, 2nd quarter 1999: the CMS excess and the margin in whole lire.
    dict(caso="1999 lire", dal="01/04/1999", al="30/06/1999", tegm="8,89", interessi="1.100.000",
         spese="50.000", numeri="4.000.000.000", fido="60.000.000", cms_interessi="900.000", massimo_scoperto="80.000.000",
         cms_media="0,70", valuta="lire"),
]


def leggi(testo):
    """An amount or rate as written on screen: "." groups thousands, "," separates the decimals."""
    return Fraction(Decimal(testo.replace(".", "").replace(",", ".")))


def arrotonda(x, decimali):
    """x rounded half up to `decimali` places; the division is exact to 28 digits, far beyond them."""
    return (Decimal(x.numerator) / Decimal(x.denominator)).quantize(Decimal(1).scaleb(-decimali),
                                                                    rounding=ROUND_HALF_UP)


def tasso(x, decimali=3):
    return Fraction(arrotonda(x, decimali))


def scrivi_tasso(x, decimali=None):
    if decimali is not None:
        return format(arrotonda(x, decimali), "f").replace(".", ",")
    d = Decimal(x.numerator) / Decimal(x.denominator)
    testo = format(d.normalize(), "f")
    return testo.replace(".", ",")


def scrivi_importo(x, valuta):
    d = arrotonda(x, 0 if valuta == "lire" else 2)
    segno = "-" if d < 0 else ""
    intera, _, dec = format(abs(d), "f").partition(".")
    gruppi = []
    while len(intera) > 3:
        gruppi.insert(0, intera[-3:])
        intera = intera[:-3]
    gruppi.insert(0, intera)
    return segno + ".".join(gruppi) + ("," + dec if dec else "")


def soglia_regola(media, norma):
    if norma == "vecchia":
        return media * Fraction(3, 2)
    return min(media * Fraction(5, 4) + 4, media + 8)


def teg_con_cms(c):
    """The period's TEG as the calculation tab shows it, the CMS inside: on the interest side over the
    numeri, on the expense side over the accordato (Bank of Italy) or over the numeri (global)."""
    numeri, divisore = leggi(c["numeri"]), leggi(c["divisore"])
    interessi = leggi(c["interessi"]) + leggi(c["altri_interessi"]) + leggi(c["cms_interessi"])
    spese = leggi(c["spese"]) + leggi(c["altri_oneri"]) + leggi(c["cms_spese"])
    if c["formula"] == "globale":
        return scrivi_tasso(tasso((interessi + spese) * divisore / numeri), 3)
    return scrivi_tasso(tasso(interessi * divisore / numeri + spese * 100 / leggi(c["fido"])), 3)


def verifica(c):
    """The expected figures and verdict of one case."""
    fine = datetime.datetime.strptime(c["al"], "%d/%m/%Y").date()
    cms = leggi(c["cms_interessi"]) + leggi(c["cms_spese"])
    vuoto = dict(TegSenzaCMS="", TassoCMS="", SogliaCMS="", EccedenzaCMS="", MargineInteressi="")
    if cms == 0:
        return dict(vuoto, EsitoCMS="nessuna CMS nel periodo")
    if fine > datetime.date(2009, 12, 31):
        return dict(vuoto, EsitoCMS="CMS compresa nel TEG (periodi dal 01/01/2010)")
    if c["lettura"] == "nelteg":
        return dict(vuoto, EsitoCMS="CMS nel TEG (lettura scelta nelle impostazioni)")
    v = c["valuta"]
    numeri, divisore = leggi(c["numeri"]), leggi(c["divisore"])
    interessi = leggi(c["interessi"]) + leggi(c["altri_interessi"])
    spese = leggi(c["spese"]) + leggi(c["altri_oneri"])
    if c["formula"] == "globale":
        teg = tasso((interessi + spese) * divisore / numeri)
    else:
        teg = tasso(interessi * divisore / numeri + spese * 100 / leggi(c["fido"]))
    soglia = leggi(c["soglia"])
    margine = Fraction(arrotonda((soglia - teg) * numeri / divisore, 0 if v == "lire" else 2))
    r = dict(TegSenzaCMS=scrivi_tasso(teg, 3), MargineInteressi=scrivi_importo(margine, v))
    tasso_cms = tasso(cms * 100 / leggi(c["massimo_scoperto"])) if c["massimo_scoperto"] else None
    soglia_cms = soglia_regola(leggi(c["cms_media"]), c["norma"]) if c["cms_media"] else None
    r["TassoCMS"] = scrivi_tasso(tasso_cms, 3) if tasso_cms is not None else ND
    r["SogliaCMS"] = scrivi_tasso(soglia_cms) if soglia_cms is not None else ND
    eccedenza = None
    if tasso_cms is not None and soglia_cms is not None:
        eccedenza = Fraction(0)
        if tasso_cms > soglia_cms:
            massimo = leggi(c["massimo_scoperto"])
            eccedenza = Fraction(arrotonda(cms - soglia_cms * massimo / 100, 0 if v == "lire" else 2))
    r["EccedenzaCMS"] = scrivi_importo(eccedenza, v) if eccedenza is not None else ND
    if teg > soglia:
        r["EsitoCMS"] = "oltre la soglia (interessi)"
    elif eccedenza is None:
        r["EsitoCMS"] = "CMS da verificare"
    elif eccedenza > margine:
        r["EsitoCMS"] = "oltre la soglia (CMS non compensata: eccedenza %s %s, margine %s %s)" % (
            r["EccedenzaCMS"], v, r["MargineInteressi"], v)
    else:
        r["EsitoCMS"] = "entro la soglia"
    return r


def contenuto():
    righe = [";".join(COLONNE)]
    for caso in CASI:
        c = dict(BASE, **caso)
        # The threshold of the period by its rule: up to the 2nd quarter of 2011 the average x 1,5.
        c["soglia"] = scrivi_tasso(soglia_regola(leggi(c["tegm"]), c["norma"]))
        c["TegConCMS"] = teg_con_cms(c)
        c.update(verifica(c))
        righe.append(";".join(c[k] for k in COLONNE))
    return "\n".join(righe) + "\n"


def main():
    testo = contenuto()
    if "--verifica" in sys.argv[1:]:
        with open(FILE, encoding="utf-8") as f:
            if f.read() != testo:
                print("tests/data/cms_attesi.csv differs from what tools/cms_attesa.py works out", file=sys.stderr)
                return 1
        return 0
    with open(FILE, "w", encoding="utf-8") as f:
        f.write(testo)
    return 0


if __name__ == "__main__":
    sys.exit(main())
