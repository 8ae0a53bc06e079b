#!/usr/bin/python3
"""Works out, the way a spreadsheet would, the figures the program must show for the example
periods and for the reference loan, and writes them under tests/data/ for the golden tests.

Nothing here calls the program: the periods are followed field by field as the calculation window
receives them (paste, leave the field, days button, formula button, "crea report"), with the rate
table read from data/tassi-ufficiali.csv, and the loan plan is built instalment by instalment.

    tools/cifre_attese.py            rewrites tests/data/periodi_attesi.csv (examples/periodi.csv),
                                     periodi_per_data_attesi.csv (tests/data/periodi_per_data.csv),
                                     periodi_365_attesi.csv (the same periods, 36.500 every year),
                                     mutuo_atteso.csv and mutui_usura_attesi.csv
    tools/cifre_attese.py --verifica exits 1 when the files differ from what it works out

The expected files are committed data; this script is how they were worked out. Rerun it only when
a rule changes, and read the difference before committing it.
"""

import csv
import datetime
import io
import math
import os
import struct
import sys
from decimal import ROUND_HALF_UP, Decimal

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIRE = "#,###,###,##0"
EURO = "###,###,##0.00"
NUOVA_NORMA = datetime.date(2011, 5, 14)  # the day the threshold rule changed


# --- numbers as the screens write and read them ---------------------------------------------------

def decimale(x):
    """The decimal a spreadsheet holds: the double to fifteen significant digits."""
    return Decimal("%.15g" % float(x))


def maschera(x, m):
    """x written with a mask such as "###,###,##0.00": rounded half away from zero on its decimal
    digits, "." between thousands when the mask groups, "," before the decimals."""
    intera, _, frazione = m.partition(".")
    d = decimale(x).quantize(Decimal(1).scaleb(-len(frazione)), rounding=ROUND_HALF_UP)
    segno = "-" if d < 0 else ""
    d = abs(d)
    testo = format(d, "f")
    cifre, _, dec = testo.partition(".")
    minime = intera.count("0")
    cifre = cifre.lstrip("0")
    cifre = cifre.rjust(minime, "0")
    if "," in intera and cifre:
        gruppi = []
        while len(cifre) > 3:
            gruppi.insert(0, cifre[-3:])
            cifre = cifre[:-3]
        gruppi.insert(0, cifre)
        cifre = ".".join(gruppi)
    risultato = cifre + ("," + dec if frazione else "")
    if set(risultato) <= set("0.,"):
        segno = ""
    return segno + risultato


def valore(testo):
    """A field's text as a number, the Italian way ("1.234,56"); None when it is not one."""
    t = testo.strip().replace(".", "").replace(",", ".")
    try:
        return float(t) if t and t.lower() not in ("inf", "nan", "-inf", "+inf") else None
    except ValueError:
        return None


def diverso_da_zero(testo):
    """Whether a field holds an amount other than zero, by its value ("0,00" holds none)."""
    v = valore(testo)
    return v is not None and v != 0


def semplice(x):
    """Plain number text: the double to fifteen significant digits, "," before the decimals."""
    t = format(decimale(x).normalize(), "f")
    if "." in t:
        t = t.rstrip("0").rstrip(".")
    return "0" if t in ("-0", "") else t.replace(".", ",")


def f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def semplice32(x):
    """Plain number text of a single-precision rate: the fewest digits that read back as it, at
    most seven."""
    for cifre in range(1, 8):
        t = "%.*g" % (cifre, x)
        if f32(float(t)) == x:
            return semplice(float(t))
    return semplice(float("%.7g" % x))


def maschera32(x, m):
    """A single-precision value through a mask: its own shortest digits are what get rounded."""
    for cifre in range(1, 8):
        t = "%.*g" % (cifre, x)
        if f32(float(t)) == x:
            break
    else:
        t = "%.7g" % x
    return maschera(float(t), m)


def destra(testo, larghezza):
    return testo.rjust(larghezza)


def formattato(testo, m):
    v = valore(testo)
    return testo if v is None else maschera(v, m)


# --- the rate table -------------------------------------------------------------------------------

def tabella_tassi():
    tassi = {}
    with open(os.path.join(RADICE, "data", "tassi-ufficiali.csv"), encoding="utf-8", newline="") as f:
        for r in csv.DictReader(f, delimiter=";"):
            tassi[r["periodo"].strip()] = {c: f32(valore(v) or 0.0) for c, v in r.items() if c != "periodo"}
    return tassi


def soglia_decimale(media, nuova):
    """The rule on the average as the grid writes it, in exact decimals and never rounded: the decree's
    figure (9,87 x 1,5 = 14,805), whichever rule is in force or chosen."""
    m = Decimal(semplice32(media).replace(",", "."))
    return min(m * Decimal("1.25") + 4, m + 8) if nuova else m * Decimal("1.5")


def testo_decimale(d):
    """An exact decimal in plain number text: its own digits, no trailing zeros, "," before the decimals."""
    t = format(d.normalize(), "f")
    if "." in t:
        t = t.rstrip("0").rstrip(".")
    return "0" if t in ("-0", "") else t.replace(".", ",")


def nuova_nel_trimestre(q, anno, dal):
    """The rule in force in a quarter; the quarter of the change follows the period's first day."""
    if (anno, q) == (2011, 2):
        return dal >= NUOVA_NORMA
    return (anno, q) > (2011, 2)


# --- one period through the calculation window ----------------------------------------------------

CATEGORIE = {"Conto Corrente": ("TM1", "TM2", None), "Conto senza affidamento": ("TM7", "TM8", None),
             "Conto anticipi": ("TM3", "TM4", "TM6")}
ORDINE = ["NumeriD", "intDare", "ComMS", "extrafido", "speseN", "ComMS2", "ASpese", "fido", "Acc"]
COLONNE = ["Giorni", "IndMedio", "totInt", "totint2", "TotalSpese", "tspe", "SpeInt", "TegTXT", "IntSc", "CMSc",
           "ECCSC", "SpeseSc", "OneriSc", "SommaParziali", "TInt", "TSpes", "TSM", "TUM", "TSM2", "TUM2", "soglia",
           "Diff", "TegSenzaCMS", "TassoCMS", "SogliaCMS", "EccedenzaCMS", "MargineInteressi", "EsitoCMS", "riga",
           "avvisi"]


def data(testo):
    g, m, a = testo.split("/")
    return datetime.date(int(a), int(m), int(g))


def somma(c, *nomi):
    valori = [valore(c[n]) for n in nomi]
    return None if None in valori else sum(valori[1:], valori[0])


def limiti_classe(categoria, inizio):
    """The lower limits, in euro, of the classes above the first."""
    if inizio < datetime.date(2010, 1, 1):
        return [5000]
    if categoria == "Conto senza affidamento":
        return [1500]
    if categoria == "Conto Corrente" or inizio < datetime.date(2010, 4, 1):
        return [5000]
    if inizio < datetime.date(2017, 4, 1):
        return [5000, 100000]
    return [50000, 200000]


def in_valuta(euro, lire):
    """5.000 euro is taken as 10 million lire; the other limits are converted at 1936,27."""
    if not lire:
        return euro
    return 10000000 if euro == 5000 else int(Decimal(euro) * Decimal("1936.27") + Decimal("0.5"))


def periodo(riga, tassi, sempre365=False):
    c = {n: "" for n in ORDINE + COLONNE}
    lire = riga.get("valuta", "Euro") == "Lire"
    m = LIRE if lire else EURO
    categoria = riga.get("categoria") or "Conto Corrente"
    medio = riga.get("accordato") == "indebitam. medio" or categoria == "Conto senza affidamento"
    norma = riga.get("norma") or "secondo la data"

    for campo in ORDINE:  # pasted and left, in tab order
        testo = riga.get(campo, "")
        if not testo:
            continue
        c[campo] = formattato(testo, m)
        if campo == "NumeriD":
            c["indMed2"] = c["NumeriD"]
        elif campo == "fido":
            c["Acc"] = c["fido"]
        elif campo == "Acc":
            c["fido"] = c["Acc"]
    dal, al = riga["dal"], riga["al"]
    c["Giorni"] = str((data(al) - data(dal)).days + 1)
    if c["NumeriD"].strip():
        c["IndMedio"] = maschera(valore(c["NumeriD"]) / int(c["Giorni"]), m)
        if medio:
            c["fido"] = c["Acc"] = c["IndMedio"]

    globale = riga.get("formula") == "globale"
    # Days of the year x 100 follow the year of "dal", unless 365 days are asked for every year.
    anno = data(dal).year
    K = 36600 if anno % 4 == 0 and (anno % 100 != 0 or anno % 400 == 0) and not sempre365 else 36500
    medie, griglia = {}, {}
    for q in range(1, 5):  # the rate grid of the year, by class
        t = tassi.get("%d%s" % (q, dal[-4:]))
        for classe, slot in enumerate(CATEGORIE[categoria]):
            if t is None:
                medie[(q, classe)] = griglia[(q, classe)] = "0" if classe < 2 else ""
            elif slot is None:
                medie[(q, classe)] = griglia[(q, classe)] = "NN"
            else:
                media = t[slot]
                medie[(q, classe)] = semplice32(media)
                nuova = nuova_nel_trimestre(q, anno, data(dal)) if norma == "secondo la data" else norma == "nuova norma"
                griglia[(q, classe)] = testo_decimale(soglia_decimale(media, nuova))
    # The means of the year's first two classes, over the quarters found, kept in single precision.
    for classe, (ts, tu) in enumerate((("TSM", "TUM"), ("TSM2", "TUM2"))):
        contati = sum(1 for q in range(1, 5) if diverso_da_zero(medie[(q, classe)])) or 1
        for campo, fonte in ((ts, medie), (tu, griglia)):
            valori = [valore(fonte[(q, classe)]) for q in range(1, 5)]
            c[campo] = "" if None in valori else maschera32(f32(sum(valori) / contati), "##.000")

    I, C1, E = valore(c["intDare"]), valore(c["ComMS"]), valore(c["extrafido"])
    S, C2 = valore(c["speseN"]), valore(c["ComMS2"])
    if not c["ASpese"]:
        c["ASpese"] = "0"
    A = valore(c["ASpese"])
    if not c["TotalSpese"]:
        c["TotalSpese"] = "0"
    N, F = valore(c["indMed2"]), valore(c["fido"])
    t_int, t_sp = I + C1 + E, S + A + C2
    c["totInt"], c["tspe"] = maschera(t_int, m), maschera(t_sp, m)
    c["SpeInt"] = maschera(valore(c["tspe"]) + t_int, m)
    if globale:
        c["totint2"] = semplice(t_sp + valore(c["totInt"]))
        teg = valore(c["totint2"]) * K / N
        cms = (C1 if diverso_da_zero(c["ComMS"]) else C2) * K / N
        c["CMSc"] = maschera(cms, "#0.000")
        parziali = [I * K / N, cms, E * K / N, S * K / N, A * K / N]
    else:
        c["TotalSpese"] = maschera(t_sp, m)
        c["totint2"] = c["totInt"]
        teg = valore(c["totint2"]) * K / N + (t_sp * 100 / F if F else 0)
        cms = 0.0
        if diverso_da_zero(c["ComMS"]):
            cms = C1 * K / N
            c["CMSc"] = maschera(cms, "#0.000")
        if diverso_da_zero(c["ComMS2"]):
            cms = C2 * 100 / F
            c["CMSc"] = maschera(cms, "#0.000")
        parziali = [I * K / N, cms, E * K / N, S * 100 / F, A * 100 / F]
    c["TegTXT"] = maschera(teg, "#0.000")
    for campo, p in zip(["IntSc", None, "ECCSC", "SpeseSc", "OneriSc"], parziali):
        if campo:
            c[campo] = maschera(p, "#0.000")
    c["SommaParziali"] = maschera(sum(parziali[1:], parziali[0]), "#0.000")

    # The interest and expense groups of the partial rates: the CMS joins the expense group when its
    # second field holds an amount, the interest group when the first does (that case is looked at last);
    # without any CMS neither group has a CMS term.
    gruppi = []
    if diverso_da_zero(c["ComMS2"]):
        gruppi.append((("IntSc", "ECCSC"), ("CMSc", "SpeseSc", "OneriSc")))
    if diverso_da_zero(c["ComMS"]):
        gruppi.append((("IntSc", "CMSc", "ECCSC"), ("SpeseSc", "OneriSc")))
    if not diverso_da_zero(c["ComMS2"]) and not diverso_da_zero(c["ComMS"]):
        gruppi.append((("IntSc", "ECCSC"), ("SpeseSc", "OneriSc")))
    for interessi, spese in gruppi:
        for campo, nomi in (("TInt", interessi), ("TSpes", spese)):
            s = somma(c, *nomi)
            if s is not None:
                c[campo] = semplice(s)

    # The threshold of the period: quarter from the month of "dal", class from the accordato; "fino a
    # 5.000 euro" holds 5.000, so an amount goes above a limit only when it exceeds it.
    q = (int(dal[3:5]) - 1) // 3 + 1
    a = valore(c["Acc"]) or 0.0
    classe = sum(1 for limite in limiti_classe(categoria, data(dal)) if a > in_valuta(limite, lire))
    # The excess in exact decimals, from the TEG as shown and the threshold as the grid writes it.
    soglia = Decimal(griglia[(q, classe)].replace(",", "."))
    teg = Decimal(c["TegTXT"].replace(",", "."))
    c["soglia"] = griglia[(q, classe)]
    if teg > soglia:
        c["Diff"] = testo_decimale(teg - soglia)

    cms_riga = c["ComMS"] if diverso_da_zero(c["ComMS"]) else c["ComMS2"]
    pezzi = [
        "0%d %s" % (q, dal[-2:]), destra(maschera(valore(c["IndMedio"]), m), 13),
        destra(formattato(c["TegTXT"], "##0.000"), 7), destra(formattato(c["soglia"], "##0.000"), 6),
        destra(formattato(c["Diff"], "##0.000"), 6), destra(formattato(c["intDare"], m), 13),
        destra(formattato(c["IntSc"], "##0.000"), 7), destra(formattato(cms_riga, m), 12),
        destra(formattato(c["CMSc"], "##0.000"), 7), destra(formattato(c["extrafido"], m), 10),
        destra(formattato(c["ECCSC"], "#0.000"), 6), destra(formattato(c["speseN"], m), 10),
        destra(formattato(c["SpeseSc"], "#0.000"), 6), destra(formattato(c["ASpese"], m), 10),
        destra(formattato(c["OneriSc"], "#0.000"), 6)]
    c["riga"] = " " + " ".join(pezzi)
    # A period across the day of the change, under the rule in force, is told which threshold it gets.
    avvisi = int(norma == "secondo la data" and data(dal) < NUOVA_NORMA <= data(al))
    avvisi += verifica_cms(c, riga, tassi.get("%d%s" % (q, dal[-4:])), K, globale, soglia, m)
    c["avvisi"] = str(avvisi)
    return c


def verifica_cms(c, riga, tassi_trimestre, K, globale, soglia, m):
    """The separate test of the CMS of a period up to 31/12/2009 (tools/cms_attesa.py works out the
    whole test; these periods have no CMS average, so it stops at the TEG without the CMS and the CMS
    rate). Fills its fields and the row's end; returns the notes it adds."""
    C1, C2 = valore(c["ComMS"]) or 0, valore(c["ComMS2"]) or 0
    if C1 + C2 <= 0:
        c["EsitoCMS"] = "nessuna CMS nel periodo"
        return 0
    if data(riga["al"]) > datetime.date(2009, 12, 31):
        c["EsitoCMS"] = "CMS compresa nel TEG (periodi dal 01/01/2010)"
        return 0
    I, E, S, A = (valore(c[k]) for k in ("intDare", "extrafido", "speseN", "ASpese"))
    N, F = valore(c["indMed2"]), valore(c["fido"])
    if globale:
        teg = (I + E + S + A) * K / N
    else:
        teg = (I + E) * K / N + (S + A) * 100 / F
    teg = Decimal(maschera(teg, "#0.000").replace(",", "."))
    c["TegSenzaCMS"] = maschera(float(teg), "#0.000")
    massimo = valore(riga.get("MaxScoperto", ""))
    c["TassoCMS"] = maschera((C1 + C2) * 100 / massimo, "#0.000") if massimo else "n.d."
    c["EccedenzaCMS"] = "n.d."
    cms_media = tassi_trimestre and tassi_trimestre["TM5"]
    if cms_media and massimo:
        raise SystemExit("cifre_attese.py: the whole CMS test is worked out by tools/cms_attesa.py")
    c["SogliaCMS"] = testo_decimale(soglia_decimale(cms_media, False)) if cms_media else "n.d."
    margine = (soglia - teg) * Decimal(repr(N)) / K
    c["MargineInteressi"] = maschera(float(margine), m)
    c["EsitoCMS"] = "oltre la soglia (interessi)" if teg > soglia else "CMS da verificare"
    c["riga"] += "  CMS: " + c["EsitoCMS"]
    return (0 if cms_media else 1) + (0 if massimo else 1)  # the CMS average, the highest overdraft missing


def periodi_attesi(file, sempre365=False):
    tassi = tabella_tassi()
    out = io.StringIO()
    w = csv.writer(out, delimiter=";", lineterminator="\n")
    w.writerow(["dal"] + COLONNE)
    with open(os.path.join(RADICE, file), encoding="utf-8", newline="") as f:
        for riga in csv.DictReader(f, delimiter=";"):
            c = periodo(riga, tassi, sempre365)
            w.writerow([riga["dal"]] + [c[n] for n in COLONNE])
    return out.getvalue()


# --- the loan plan --------------------------------------------------------------------------------

def arr_euro(x):
    segno = -1 if x < 0 else 1
    a = abs(x)
    if a * 100 - math.floor(a * 100) >= 0.5:
        a = a + 0.01
    return math.trunc(a * 100) * segno / 100


def aggiungi_mesi(d, mesi):
    n = d.year * 12 + d.month - 1 + mesi
    anno, mese = divmod(n, 12)
    mese += 1
    ultimo = (datetime.date(anno + (mese == 12), mese % 12 + 1, 1) - datetime.timedelta(days=1)).day
    return datetime.date(anno, mese, min(d.day, ultimo))


def piano(importo, rate, tasso, d0, mesi):
    """The rows, the instalment and the totals of a plan without expenses."""
    F = lambda x: maschera(x, "#,#0.00")  # noqa: E731
    i = tasso / 100 / (12 // mesi)
    rata = importo * i / (1 - (1 + i) ** (-rate))
    righe, rimborsato, resto = [], 0.0, 0.0
    centesimi = 0  # the interest column added up as a spreadsheet adds it, in whole cents
    for k in range(1, rate + 1):
        qi = (importo - rimborsato) * i
        resto = resto + (qi - arr_euro(qi))
        qi = arr_euro(qi)
        if resto > 0.01:
            resto, qi = resto - 0.01, qi + 0.01
        if k == rate:
            qi = rata - (importo - rimborsato)
        qc = rata - arr_euro(qi)
        if importo - rimborsato < qc:
            qi = qc - (importo - rimborsato) + qi
            qc = rata - arr_euro(qi)
        centesimi += round(arr_euro(qi) * 100)
        scadenza = aggiungi_mesi(d0, k * mesi).strftime("%d/%m/%Y")
        righe.append("     " + destra(str(k), 3)[-3:] + " " + scadenza + "  " + destra(F(arr_euro(qi)), 12) + " " +
                     destra(F(arr_euro(qc)), 12) + " " + destra(F(0), 7) + " " + destra(F(arr_euro(rata)), 12) + " " +
                     destra(F(arr_euro(importo - (rimborsato + qc))), 13))
        rimborsato = arr_euro(rimborsato + qc)
    return righe, F(rata), F(centesimi / 100), F(importo + centesimi / 100)


SCADENZE = ["Mensile", "Bimestrale", "Trimestrale", "Quadrimestrale", "Semestrale", "Annuale"]


# --- the usury check of a loan --------------------------------------------------------------------

def serie_ufficiale():
    with open(os.path.join(RADICE, "data", "serie-ufficiale-completa.csv"), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter=";"))


def riga_serie(serie, giorno, categoria, classe):
    """The published row of a category and class (as the decrees name them) in force on a day."""
    for r in serie:
        if data(r["inizio"]) <= giorno <= data(r["fine"]) and r["categoria"] == categoria and r["classe"] == classe:
            return r
    raise KeyError((giorno, categoria, classe))


def almeno4(d):
    """An exact decimal with every digit it has, at least four after the comma."""
    t = testo_decimale(d)
    intera, _, dec = t.partition(",")
    return intera + "," + dec.ljust(4, "0")


def teg_usura(netto, rata, n, m):
    """The effective annual rate at which the instalments as paid, the k-th k/m years after the
    disbursement (a year of 12 equal months), are worth the net amount: bisection to the last bit."""
    basso, alto = -0.99, 10.0
    valore = lambda i: sum(rata * (1 + i) ** (-k / m) for k in range(1, n + 1)) - netto  # noqa: E731
    for _ in range(200):
        medio = (basso + alto) / 2
        if valore(medio) > 0:
            basso = medio
        else:
            alto = medio
    return (basso + alto) / 2 * 100


# Each loan: its options for vantrel-cli mutuo, then the official category and class that the decrees
# give it on the contract date, and the costs that enter its TEG.
MUTUI_USURA = [
    ("spese per rata contate una volta", ["--importo", "5000", "--data", "15/05/2019", "--rate", "24", "--tasso", "12",
     "--tipo", "Credito personale", "--spese-iniziali", "50", "--spese-rata", "4"],
     "CREDITO PERSONALE (dal 1° gennaio 2010)", "intera distribuzione"),
    ("senza spese per rata", ["--importo", "5000", "--data", "15/05/2019", "--rate", "24", "--tasso", "12",
     "--tipo", "Credito personale", "--spese-iniziali", "50"],
     "CREDITO PERSONALE (dal 1° gennaio 2010)", "intera distribuzione"),
    ("mutuo con 2 euro per rata", ["--importo", "100000", "--data", "15/05/2019", "--rate", "240", "--tasso", "3",
     "--tipo", "Mutuo ipotecario a tasso fisso", "--spese-rata", "2"],
     "MUTUI IPOTECARI A TASSO FISSO (dal 1° luglio 2004)", "intera distribuzione"),
    ("mutuo con 2 euro per rata e 1.000 di spese iniziali", ["--importo", "100000", "--data", "15/05/2019", "--rate",
     "240", "--tasso", "3", "--tipo", "Mutuo ipotecario a tasso fisso", "--spese-rata", "2", "--spese-iniziali", "1000"],
     "MUTUI IPOTECARI A TASSO FISSO (dal 1° luglio 2004)", "intera distribuzione"),
    ("mutuo senza spese", ["--importo", "100000", "--data", "15/05/2019", "--rate", "240", "--tasso", "3",
     "--tipo", "Mutuo ipotecario a tasso fisso"],
     "MUTUI IPOTECARI A TASSO FISSO (dal 1° luglio 2004)", "intera distribuzione"),
    ("istruttoria al posto delle spese iniziali, perizia", ["--importo", "100000", "--data", "15/05/2019", "--rate",
     "240", "--tasso", "3", "--tipo", "Mutuo ipotecario a tasso fisso", "--spese-iniziali", "900",
     "--spese-istruttoria", "600", "--perizia", "300"],
     "MUTUI IPOTECARI A TASSO FISSO (dal 1° luglio 2004)", "intera distribuzione"),
    ("credito personale 2006, banca", ["--importo", "20000", "--data", "10/01/2006", "--rate", "60", "--tasso", "9",
     "--tipo", "Credito personale", "--assicurazione", "1000"],
     "CREDITI PERSONALI E ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DALLE BANCHE (fino al 31 dicembre 2009)",
     "intera distribuzione"),
    ("credito personale 2006, intermediario non bancario", ["--importo", "20000", "--data", "10/01/2006", "--rate",
     "60", "--tasso", "9", "--tipo", "Credito personale", "--assicurazione", "1000", "--intermediario", "non-bancario"],
     "ANTICIPI, SCONTI COMMERCIALI, CREDITI PERSONALI E ALTRI FINANZIAMENTI EFFETTUATI DAGLI INTERMEDIARI NON "
     "BANCARI (fino al 31 dicembre 2009)", "oltre 5.000 euro"),
    ("5.000 euro non bancario 2006: fino a 5.000", ["--importo", "5000", "--data", "10/01/2006", "--rate", "24",
     "--tasso", "20", "--tipo", "Credito personale", "--intermediario", "non-bancario"],
     "ANTICIPI, SCONTI COMMERCIALI, CREDITI PERSONALI E ALTRI FINANZIAMENTI EFFETTUATI DAGLI INTERMEDIARI NON "
     "BANCARI (fino al 31 dicembre 2009)", "fino a 5.000 euro"),
    ("altri finanziamenti 2008, banca", ["--importo", "8000", "--data", "20/02/2008", "--rate", "36", "--tasso",
     "13", "--tipo", "Altri finanziamenti", "--spese-iniziali", "200"],
     "CREDITI PERSONALI E ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DALLE BANCHE (fino al 31 dicembre 2009)",
     "intera distribuzione"),
    ("altri finanziamenti 1° trimestre 2010, non bancario", ["--importo", "8000", "--data", "20/02/2010", "--rate",
     "36", "--tasso", "13", "--tipo", "Altri finanziamenti", "--intermediario", "non-bancario"],
     "ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DAGLI INTERMEDIARI NON BANCARI (I trimestre 2010)",
     "intera distribuzione"),
    ("categoria ufficiale scritta per nome", ["--importo", "60000", "--data", "15/05/2019", "--rate", "12",
     "--tasso", "6", "--tipo", "factoring"], "FACTORING", "oltre 50.000 euro"),
]


def opzione(opzioni, nome, mancante="0"):
    return opzioni[opzioni.index(nome) + 1] if nome in opzioni else mancante


def mutuo_usura(opzioni, categoria, classe, serie):
    importo, n, tasso = float(opzioni[1]), int(opzione(opzioni, "--rate")), float(opzione(opzioni, "--tasso"))
    spesa_rata = float(opzione(opzioni, "--spese-rata"))
    # The inquiry expenses, when given, stand for the loan's initial expenses; the others add to them.
    iniziali = float(opzione(opzioni, "--spese-istruttoria", opzione(opzioni, "--spese-iniziali")))
    costi = iniziali + sum(float(opzione(opzioni, o)) for o in ("--perizia", "--assicurazione", "--mediazione"))
    i = tasso / 100 / 12
    rata = float(maschera(spesa_rata + importo * i / (1 - (1 + i) ** (-n)), "0.00").replace(",", "."))
    teg = Decimal(maschera(teg_usura(importo - costi, rata, n, 12), "0.0000").replace(",", "."))
    r = riga_serie(serie, data(opzione(opzioni, "--data")), categoria, classe)
    tegm = Decimal(r["tegm"].replace(",", "."))
    soglia = soglia_decimale_per_data(tegm, data(r["inizio"]))
    esito = "entro la soglia" if teg <= soglia else "oltre la soglia di " + almeno4(teg - soglia) + " punti"
    return [maschera(float(teg), "#,##0.0000"), almeno4(soglia), esito]


def soglia_decimale_per_data(tegm, inizio):
    return min(tegm * Decimal("1.25") + 4, tegm + 8) if inizio >= NUOVA_NORMA else tegm * Decimal("1.5")


def mutui_usura_attesi():
    serie = serie_ufficiale()
    out = io.StringIO()
    w = csv.writer(out, delimiter=";", lineterminator="\n")
    w.writerow(["caso", "opzioni", "txtTegUsura", "txtSogliaUsura", "txtEsitoUsura"])
    for caso, opzioni, categoria, classe in MUTUI_USURA:
        w.writerow([caso, "|".join(opzioni)] + mutuo_usura(opzioni, categoria, classe, serie))
    return out.getvalue()


def mutuo_atteso():
    out = io.StringIO()
    w = csv.writer(out, delimiter=";", lineterminator="\n")
    w.writerow(["scadenza", "campo", "atteso"])
    righe, rata, interessi, totale = piano(100000.0, 120, 6.0, datetime.date(2026, 3, 15), 1)
    w.writerow(["Mensile", "txtRata", rata])
    w.writerow(["Mensile", "TotIntM", interessi])
    w.writerow(["Mensile", "totmutuo", totale])
    for k in (1, 80, 120):
        w.writerow(["Mensile", "riga %d" % k, righe[k - 1]])
    # Every frequency from the last day of January of a leap year: each due date counts from the start.
    for mesi, nome in zip((1, 2, 3, 4, 6, 12), SCADENZE):
        righe = piano(1200.0, 13, 5.0, datetime.date(2024, 1, 31), mesi)[0]
        w.writerow([nome, "scadenze", " ".join(r[9:19] for r in righe)])
    return out.getvalue()


def main():
    file = {"periodi_attesi.csv": periodi_attesi("examples/periodi.csv"),
            "periodi_per_data_attesi.csv": periodi_attesi("tests/data/periodi_per_data.csv"),
            "periodi_365_attesi.csv": periodi_attesi("tests/data/periodi_per_data.csv", sempre365=True),
            "mutuo_atteso.csv": mutuo_atteso(),
            "mutui_usura_attesi.csv": mutui_usura_attesi()}
    cartella = os.path.join(RADICE, "tests", "data")
    diversi = []
    for nome, testo in file.items():
        percorso = os.path.join(cartella, nome)
        if "--verifica" in sys.argv:
            with open(percorso, encoding="utf-8", newline="") as f:
                if f.read() != testo:
                    diversi.append(nome)
        else:
            os.makedirs(cartella, exist_ok=True)
            with open(percorso, "w", encoding="utf-8", newline="") as f:
                f.write(testo)
    if diversi:
        print("cifre attese da rigenerare con tools/cifre_attese.py: " + ", ".join(diversi))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
