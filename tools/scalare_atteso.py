#!/usr/bin/python3
"""Works out, day by day and with exact fractions, the scalare of the example accounts of tests/data
and the check of each period, and writes the figures the tests expect beside them.

Nothing here calls the program. The movements and conditions are read from the same files the tests
import (tests/data/scalare_<caso>_movimenti.csv and _condizioni.csv); the balance is followed one
day at a time by value date; interest, commissions and expenses are summed day by day with the
conditions of each day and rounded to the cent, half away from zero, at the period's end (the bank's
closing entries, valued on a period's last day, count from the day after); the TEG,
threshold and excess come from tools/cifre_attese.py, the spreadsheet model of the calculation window.

    tools/scalare_atteso.py            rewrites tests/data/scalare_<caso>_atteso.csv (the periods),
                                       scalare_<caso>_giorni_atteso.csv (the balance of every day)
                                       and scalare_a_ricalcolato_atteso.csv

Case c is account a with the bank's entries worded its own way: the words of scalare_c_parole.csv
find them (the usual ones would take a customer's "RIMBORSO SPESE" for the bank's and miss the
rest), and scalare_c_addebiti.csv gives the charges of two periods entered by hand, the rows of one
period adding up.
    tools/scalare_atteso.py --verifica exits 1 when the files differ from what it works out
"""

import csv
import datetime
import io
import os
import sys
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cifre_attese  # noqa: E402

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATI = os.path.join(RADICE, "tests", "data")
# The words of the bank's own entries, in the order they are looked for.
PAROLE = [("interessi", 0), ("competenze", 1), ("commissione", 2), ("commissioni", 2), ("spese", 3)]


def data(testo):
    testo = testo.strip()
    if "-" in testo:
        return datetime.date.fromisoformat(testo)
    g, m, a = testo.split("/")
    return datetime.date(int(a), int(m), int(g))


def euro(testo):
    """An Italian amount ("1.234,56") as a Decimal; an empty cell is None."""
    t = testo.strip()
    return Decimal(t.replace(".", "").replace(",", ".")) if t else None


def testo(d):
    """A Decimal of euro as "1.234,56"."""
    q = Decimal(d).quantize(Decimal("0.01"))
    segno = "-" if q < 0 else ""
    intera, dec = format(abs(q), "f").split(".")
    gruppi = []
    while len(intera) > 3:
        gruppi.insert(0, intera[-3:])
        intera = intera[:-3]
    gruppi.insert(0, intera)
    return segno + ".".join(gruppi) + "," + dec


def al_centesimo(x):
    """An exact fraction of euro rounded to the cent, halves away from zero."""
    x = Fraction(x)
    segno = -1 if x < 0 else 1
    centesimi = (abs(x) * 100 + Fraction(1, 2)).__floor__()
    return Decimal(segno * centesimi) / 100


TIPI = {"interessi": 0, "competenze": 1, "commissioni": 2, "spese": 3}


def parole_file(percorso):
    """The words of a "Parola;Tipo" table, in their order."""
    with open(percorso, encoding="utf-8", newline="") as f:
        return [(r["Parola"].strip().lower(), TIPI[r["Tipo"].strip()]) for r in csv.DictReader(f, delimiter=";")]


def addebiti_file(percorso):
    """(day, [interest, fees, commissions, expenses]) of each row of charges entered by hand."""
    with open(percorso, encoding="utf-8", newline="") as f:
        return [(data(r["Data"]), [euro(r[k]) or Decimal(0) for k in ("Interessi", "Competenze", "Commissioni",
                                                                         "Spese")])
                for r in csv.DictReader(f, delimiter=";")]


def movimenti(caso):
    """(operation date, value date, description, amount) of the case's file, as its bank wrote it."""
    return movimenti_file(os.path.join(DATI, "scalare_%s_movimenti.csv" % caso))


def movimenti_file(percorso):
    grezzo = open(percorso, "rb").read()
    if grezzo.startswith(b"\xef\xbb\xbf"):
        righe = list(csv.reader(io.StringIO(grezzo[3:].decode("utf-8")), delimiter=","))
    else:
        righe = list(csv.reader(io.StringIO(grezzo.decode("cp1252")), delimiter=";"))
    inizio = next(i for i, r in enumerate(righe) if r and r[0].startswith("Data"))
    out = []
    for r in righe[inizio + 1:]:
        if len(r) == 5:  # Dare and Avere
            importo = (euro(r[4]) or 0) - (euro(r[3]) or 0)
        else:
            importo = euro(r[3])
        out.append((data(r[0]), data(r[1]), r[2], importo))
    return out


def condizioni(caso):
    """The rows of conditions, an empty cell keeping the row before's value."""
    return condizioni_file(os.path.join(DATI, "scalare_%s_condizioni.csv" % caso))


def condizioni_file(percorso):
    righe = []
    prima = {"Fido": "0", "Tasso debitore": "0", "Tasso extrafido": "0", "Tasso creditore": "0", "CMS": "0",
             "Commissione fido": "0", "Commissione sconfinamento": "0", "Spese operazione": "0",
             "Spese periodo": "0", "Liquidazione": "trimestrale", "Divisore": "365", "Ritenuta": ""}
    with open(percorso, encoding="utf-8", newline="") as f:
        for r in csv.DictReader(f, delimiter=";"):
            c = dict(prima)
            c.update({k: v for k, v in r.items() if v.strip()})
            prima = c
            righe.append({"dal": data(r["Dal"]), "fido": euro(c["Fido"]),
                          "debitore": euro(c["Tasso debitore"]), "extrafido": euro(c["Tasso extrafido"]),
                          "creditore": euro(c["Tasso creditore"]), "cms": euro(c["CMS"]),
                          "fee": euro(c["Commissione fido"]), "civ": euro(c["Commissione sconfinamento"]),
                          "spesa_op": euro(c["Spese operazione"]), "spese": euro(c["Spese periodo"]),
                          "mesi": {"trimestrale": 3, "semestrale": 6, "annuale": 12}[c["Liquidazione"]],
                          "divisore": int(c["Divisore"]),
                          "ritenuta": euro(c["Ritenuta"]) if c["Ritenuta"].strip() else None})
    return righe


def in_vigore(cond, giorno):
    return [c for c in cond if c["dal"] <= giorno][-1]


def ritenuta_di_legge(giorno):
    if giorno < datetime.date(2012, 1, 1):
        return Decimal(27)
    if giorno < datetime.date(2014, 7, 1):
        return Decimal(20)
    return Decimal(26)


def fine_periodo(giorno, mesi):
    ultimo = ((giorno.month - 1) // mesi + 1) * mesi
    prossimo = datetime.date(giorno.year + (ultimo == 12), ultimo % 12 + 1, 1)
    return prossimo - datetime.timedelta(days=1)


def tipo(descrizione, parole=PAROLE):
    d = descrizione.lower()
    for parola, t in parole:
        if parola in d:
            return t
    return None


def scalare(caso, ricalcolato=False, conto_condizioni=None, parole=PAROLE, inseriti=()):
    """The periods (dicts of figures) and the balance of every day."""
    movs = movimenti(caso)
    cond = condizioni(conto_condizioni or caso)
    giorno = min(m[1] for m in movs)
    fine = fine_periodo(max(m[1] for m in movs), cond[-1]["mesi"])
    saldo, oltre_ieri, periodi, giorni = Decimal(0), False, [], []
    while giorno <= fine:
        c0 = in_vigore(cond, giorno)
        p = {"dal": giorno, "al": fine_periodo(giorno, c0["mesi"]), "saldo_iniziale": saldo, "entro": 0,
             "oltre": 0, "creditori": 0, "massimo": Decimal(0), "a_debito": 0, "oltre_fido": 0,
             "sconfinamenti": 0, "operazioni": 0, "banca": [Decimal(0)] * 4, "civ": Decimal(0),
             "spese_op": Decimal(0)}
        somme = {"debitori": Fraction(0), "extrafido": Fraction(0), "creditori": Fraction(0), "fee": Fraction(0)}
        while giorno <= p["al"]:
            c = in_vigore(cond, giorno)
            chiusura = Decimal(0)  # the bank's entries of the last day, added after its numeri
            for op, val, descr, importo in movs:
                t = tipo(descr, parole)
                if val == giorno and t is not None and not ricalcolato and giorno == p["al"]:
                    chiusura += importo
                elif val == giorno and (t is None or not ricalcolato):
                    saldo += importo
                if val == giorno and t is not None:
                    p["banca"][t] -= importo
                if op == giorno and t is None:
                    p["operazioni"] += 1
                    p["spese_op"] += c["spesa_op"]
            debito = max(Decimal(0), -saldo)
            entro = min(debito, c["fido"])
            oltre = debito - entro
            credito = max(Decimal(0), saldo)
            p["entro"] += entro
            p["oltre"] += oltre
            p["creditori"] += credito
            anno = Fraction(c["divisore"])
            somme["debitori"] += Fraction(entro) * Fraction(c["debitore"]) / 100 / anno
            somme["extrafido"] += Fraction(oltre) * Fraction(c["extrafido"]) / 100 / anno
            somme["creditori"] += Fraction(credito) * Fraction(c["creditore"]) / 100 / anno
            somme["fee"] += Fraction(c["fido"]) * Fraction(c["fee"]) / 100 / anno
            p["massimo"] = max(p["massimo"], debito)
            p["a_debito"] += debito > 0
            p["oltre_fido"] += oltre > 0
            if oltre > 0 and not oltre_ieri:
                p["sconfinamenti"] += 1
                p["civ"] += c["civ"]
            oltre_ieri = oltre > 0
            giorni.append((giorno, saldo))
            giorno += datetime.timedelta(days=1)
        c = in_vigore(cond, p["al"])
        p["saldo_finale"] = saldo
        saldo += chiusura
        p["fido"] = c["fido"]
        p["interessi"] = al_centesimo(somme["debitori"])
        p["extrafido"] = al_centesimo(somme["extrafido"])
        p["int_creditori"] = al_centesimo(somme["creditori"])
        rit = c["ritenuta"] if c["ritenuta"] is not None else ritenuta_di_legge(p["al"])
        p["ritenuta"] = al_centesimo(Fraction(p["int_creditori"]) * Fraction(rit) / 100)
        p["cms"] = al_centesimo(Fraction(p["massimo"]) * Fraction(c["cms"]) / 100)
        p["fee"] = al_centesimo(somme["fee"])
        p["spese"] = c["spese"]
        propri = [importi for giorno_inserito, importi in inseriti if p["dal"] <= giorno_inserito <= p["al"]]
        if propri:  # entered by hand: in place of the entries found, the rows of the period summed
            p["banca"] = [sum(k) for k in zip(*propri)]
        addebiti = p["interessi"] + p["extrafido"] + p["cms"] + p["fee"] + p["civ"] + p["spese_op"] + p["spese"]
        p["netto"] = addebiti - (p["int_creditori"] - p["ritenuta"])
        p["differenza"] = p["netto"] - sum(p["banca"])
        if ricalcolato:
            saldo -= p["netto"]
        periodi.append(p)
    return periodi, giorni


COLONNE = ["dal", "al", "giorni", "saldo iniziale", "saldo finale", "numeri entro fido", "numeri extrafido",
           "numeri creditori", "massimo scoperto", "giorni a debito", "giorni oltre fido", "sconfinamenti",
           "operazioni", "interessi debitori", "interessi extrafido", "interessi creditori", "ritenuta", "cms",
           "commissione fido", "commissione sconfinamento", "spese operazioni", "spese fisse", "banca interessi",
           "banca competenze", "banca commissioni", "banca spese", "differenza", "TegTXT", "soglia", "Diff",
           "TassoCMS", "EsitoCMS"]


def controllo(p, tassi):
    """The period through the calculation window's model; no check without debit numeri."""
    numeri = p["entro"] + p["oltre"]
    if numeri == 0:
        return {"TegTXT": "", "soglia": "", "Diff": "", "TassoCMS": "", "EsitoCMS": ""}
    fido = testo(p["fido"]) if p["fido"] > 0 else ""
    riga = {"dal": p["dal"].strftime("%d/%m/%Y"), "al": p["al"].strftime("%d/%m/%Y"),
            "categoria": "Conto Corrente" if p["fido"] > 0 else "Conto senza affidamento",
            "NumeriD": testo(numeri), "intDare": testo(p["interessi"]), "ComMS": testo(p["cms"]),
            "extrafido": testo(p["extrafido"]), "speseN": testo(p["spese_op"] + p["spese"]), "ComMS2": "0,00",
            "ASpese": testo(p["fee"] + p["civ"]), "MaxScoperto": testo(p["massimo"]) if p["massimo"] else "",
            "fido": fido, "Acc": fido}
    return cifre_attese.periodo(riga, tassi)


def file_periodi(periodi, tassi):
    out = io.StringIO()
    w = csv.writer(out, delimiter=";", lineterminator="\n")
    w.writerow(COLONNE)
    for p in periodi:
        c = controllo(p, tassi)
        w.writerow([p["dal"].strftime("%d/%m/%Y"), p["al"].strftime("%d/%m/%Y"), (p["al"] - p["dal"]).days + 1]
                   + [testo(p[k]) for k in ("saldo_iniziale", "saldo_finale", "entro", "oltre", "creditori",
                                            "massimo")]
                   + [p[k] for k in ("a_debito", "oltre_fido", "sconfinamenti", "operazioni")]
                   + [testo(p[k]) for k in ("interessi", "extrafido", "int_creditori", "ritenuta", "cms", "fee",
                                            "civ", "spese_op", "spese")]
                   + [testo(b) for b in p["banca"]] + [testo(p["differenza"]), c["TegTXT"], c["soglia"], c["Diff"],
                                                    c["TassoCMS"], c["EsitoCMS"]])
    return out.getvalue()


def file_giorni(giorni):
    out = io.StringIO()
    w = csv.writer(out, delimiter=";", lineterminator="\n")
    w.writerow(["giorno", "saldo"])
    for g, s in giorni:
        w.writerow([g.strftime("%d/%m/%Y"), testo(s)])
    return out.getvalue()


def main():
    tassi = cifre_attese.tabella_tassi()
    file = {}
    for caso in ("a", "b"):
        periodi, giorni = scalare(caso)
        file["scalare_%s_atteso.csv" % caso] = file_periodi(periodi, tassi)
        file["scalare_%s_giorni_atteso.csv" % caso] = file_giorni(giorni)
    file["scalare_a_ricalcolato_atteso.csv"] = file_periodi(scalare("a", ricalcolato=True)[0], tassi)
    file["scalare_c_atteso.csv"] = file_periodi(
        scalare("c", conto_condizioni="a", parole=parole_file(os.path.join(DATI, "scalare_c_parole.csv")),
                inseriti=addebiti_file(os.path.join(DATI, "scalare_c_addebiti.csv")))[0], tassi)
    diversi = []
    for nome, contenuto in file.items():
        percorso = os.path.join(DATI, nome)
        if "--verifica" in sys.argv:
            with open(percorso, encoding="utf-8", newline="") as f:
                if f.read() != contenuto:
                    diversi.append(nome)
        else:
            with open(percorso, "w", encoding="utf-8", newline="") as f:
                f.write(contenuto)
    if diversi:
        print("cifre attese da rigenerare con tools/scalare_atteso.py: " + ", ".join(diversi))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
