#!/usr/bin/python3
"""Works out, day by day and with exact fractions, the legal recalculation of the example account of
tests/data (ricalcolo_movimenti.csv, ricalcolo_condizioni.csv, opening balance -5.000,00, the CMS
averages of ricalcolo_cms_media.csv entered in the rate table) under each choice on its own and under
several together, and writes the figures the tests expect beside them.

Nothing here calls the program. The bank's scalare and the check of each period come from
tools/scalare_atteso.py and tools/cifre_attese.py; the recalculation follows the balance one day at a
time with the conditions each choice gives that day, the legal rate and the BOT auctions read from
data/, and capitalises, keeps apart and prescribes as docs/ricalcolo.md says.

    tools/ricalcolo_atteso.py            rewrites tests/data/ricalcolo_atteso.csv (the periods),
                                         ricalcolo_esito_atteso.csv (the outcome of each case),
                                         ricalcolo_rimesse_attese.csv (the remittances prescribed),
                                         ricalcolo_verdetti_attesi.csv (the bank's periods over the
                                         threshold) and tassi_sostitutivi_attesi.csv (the legal rate
                                         and the BOT rates of some days, at the edges of the data)
    tools/ricalcolo_atteso.py --verifica exits 1 when the files differ from what it works out
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
import cms_attesa  # noqa: E402
import scalare_atteso as sa  # noqa: E402

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATI = os.path.join(RADICE, "tests", "data")
SALDO_INIZIALE = Decimal("-5000.00")
G = datetime.date
CICR_2000, DIVIETO_2014, FINE_CMS_SEPARATA = G(2000, 4, 22), G(2014, 1, 1), G(2009, 12, 31)

# Each case: the choices on their own, then several together. An interval is (from, to), None for
# the account's own end.
CASI = {
    "banca": {},
    "capitalizzazione-nessuna": {"capitalizzazione": "nessuna"},
    "capitalizzazione-annuale": {"capitalizzazione": "annuale"},
    "capitalizzazione-norma": {"capitalizzazione": "norma", "adeguamento": G(2009, 4, 1)},
    "capitalizzazione-nessuna-2009": {"capitalizzazione": "nessuna",
                                      "periodo capitalizzazione": (G(2009, 1, 1), G(2009, 12, 31))},
    "cms-eliminata": {"cms": "eliminata"},
    "cms-soglia": {"cms": "soglia"},
    "commissioni-eliminate": {"commissioni": True},
    "usura-trimestre": {"usura": "trimestre"},
    "usura-dal-trimestre": {"usura": "dal-trimestre"},
    "tassi-inseriti": {"tassi": "inseriti", "periodo tassi": (G(2009, 2, 15), None),
                       "tassi inseriti": [(G(2009, 1, 1), Decimal("7"), Decimal("1")),
                                          (G(2010, 1, 1), Decimal("6"), Decimal("0.5"))]},
    "tassi-legale": {"tassi": "legale"},
    "tassi-bot": {"tassi": "bot"},
    "spese-eliminate": {"spese operazioni": True, "spese fisse": True},
    "saldo-zero": {"saldo zero": True},
    "prescrizione": {"prima richiesta": G(2019, 5, 20)},
    "insieme": {"capitalizzazione": "norma", "cms": "soglia", "commissioni": True, "usura": "trimestre",
                "tassi": "bot", "spese fisse": True, "prima richiesta": G(2019, 5, 20)},
}


def leggi(nome):
    with open(nome, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter=";"))


def tasso(testo):
    return Decimal(testo.strip().replace(",", "."))


def tassi_legali():
    return [(sa.data(r["dal"]), sa.data(r["al"]), tasso(r["tasso"]))
            for r in leggi(os.path.join(RADICE, "data", "tasso-legale.csv"))]


def aste_bot():
    return [(sa.data(r["data_asta"]), tasso(r["rendimento_medio_ponderato"]), r["nota"].strip() == "")
            for r in leggi(os.path.join(RADICE, "data", "bot-12-mesi-aste.csv"))]


def medie_cms():
    return {r["periodo"]: tasso(r["cms media"]) for r in leggi(os.path.join(DATI, "ricalcolo_cms_media.csv"))}


def mesi_prima(d, mesi):
    m = d.month - 1 - mesi
    anno, mese = d.year + m // 12, m % 12 + 1
    ultimo = (G(anno + mese // 12, mese % 12 + 1, 1) - datetime.timedelta(days=1)).day
    return G(anno, mese, min(d.day, ultimo))


def bot(aste, primo_giorno):
    """(minimum, maximum) of the ordinary auctions from twelve months before to the day before; None
    when the window reaches outside the months the file covers."""
    da, a = mesi_prima(primo_giorno, 12), primo_giorno - datetime.timedelta(days=1)
    primo, ultimo = aste[0][0], aste[-1][0]
    fine_ultimo = mesi_prima(G(ultimo.year, ultimo.month, 1), -1) - datetime.timedelta(days=1)
    if da < G(primo.year, primo.month, 1) or a > fine_ultimo:
        return None
    rese = [r for g, r, ordinaria in aste if ordinaria and da <= g <= a]
    return (min(rese), max(rese)) if rese else None


# Days whose substitute rates the tests check: before the auctions, the first complete window, windows
# holding the reopening of 2003 and the 331-day BOT of 2012, negative yields, the end of the data.
GIORNI_SOSTITUTIVI = [G(2002, 12, 1), G(2003, 1, 1), G(2004, 1, 15), G(2004, 12, 24), G(2012, 4, 1),
                      G(2016, 7, 1), G(2021, 3, 31), G(2026, 10, 1), G(2026, 11, 1), G(1995, 6, 30)]


def tassi_sostitutivi(legale, aste):
    righe = []
    for g in GIORNI_SOSTITUTIVI:
        l = [t for da, a, t in legale if da <= g <= a]
        b = bot(aste, g)
        righe.append([g.strftime("%d/%m/%Y"), str(l[0]).replace(".", ",") if l else "",
                      str(b[0]).replace(".", ",") if b else "", str(b[1]).replace(".", ",") if b else ""])
    return righe


def soglia_cms(medie, giorno):
    media = medie.get("%d%d" % ((giorno.month - 1) // 3 + 1, giorno.year))
    if not media:
        return None
    return (media * Decimal("1.5")).quantize(Decimal("0.0001"), rounding=ROUND_HALF_UP)


def cms_compensate(banca, tassi, medie):
    """By bank period: whether the separate test of its CMS (tools/cms_attesa.py, with the CMS averages
    the example enters) finds it within the threshold, the CMS over its own threshold by less than the
    room the interest leaves. Such a CMS is lawful and stays whole."""
    out = []
    for p in banca:
        media = medie.get("%d%d" % ((p["al"].month - 1) // 3 + 1, p["al"].year))
        c = sa.controllo(p, tassi)
        if p["cms"] == 0 or p["al"] > FINE_CMS_SEPARATA or not c["soglia"] or media is None:
            out.append(False)
            continue
        anno = p["dal"].year
        caso = dict(dal=p["dal"].strftime("%d/%m/%Y"), al=p["al"].strftime("%d/%m/%Y"), formula="bancaitalia",
                    interessi=sa.testo(p["interessi"]), altri_interessi=sa.testo(p["extrafido"]),
                    spese=sa.testo(p["spese_op"] + p["spese"]), altri_oneri=sa.testo(p["fee"] + p["civ"]),
                    cms_interessi=sa.testo(p["cms"]), cms_spese="0",
                    massimo_scoperto=sa.testo(p["massimo"]) if p["massimo"] else "",
                    numeri=sa.testo(p["entro"] + p["oltre"]), divisore="36600" if anno % 4 == 0 else "36500",
                    fido=sa.testo(p["fido"]), soglia=c["soglia"], cms_media=str(media).replace(".", ","),
                    norma="vecchia", lettura="separata", valuta="euro")
        out.append(cms_attesa.verifica(caso)["EsitoCMS"] == "entro la soglia")
    return out


def dentro(scelte, nome, giorno):
    da, a = scelte.get("periodo " + nome, (None, None))
    return (da is None or da <= giorno) and (a is None or giorno <= a)


class Scelte:
    """The conditions of each day under the choices, on the bank's periods and verdicts."""

    def __init__(self, scelte, cond, periodi, oltre, legale, aste, medie, compensate):
        self.s, self.cond, self.periodi, self.oltre = scelte, cond, periodi, oltre
        self.legale, self.aste, self.medie, self.compensate = legale, aste, medie, compensate
        self.primo_oltre = oltre.index(True) if True in oltre else len(oltre)

    def inserito(self, giorno):
        validi = [t for t in self.s.get("tassi inseriti", []) if t[0] <= giorno]
        return validi[-1] if validi else None

    def tassi(self, c, giorno, i):
        modo = self.s.get("tassi")
        if not modo or not dentro(self.s, "tassi", giorno):
            return
        b = bot(self.aste, self.periodi[i]["dal"]) if modo == "bot" else None
        if modo == "legale":
            r = [t for da, a, t in self.legale if da <= giorno <= a][0]
            debitore = creditore = r
        elif b is not None:
            debitore, creditore = max(Decimal(0), b[0]), max(Decimal(0), b[1])
        else:
            _, debitore, creditore = self.inserito(giorno)
        c["debitore"] = c["extrafido"] = debitore
        c["creditore"] = creditore

    def usurario(self, i):
        return self.oltre[i] if self.s.get("usura") == "trimestre" else i >= self.primo_oltre

    def __call__(self, giorno, i):
        c = dict(sa.in_vigore(self.cond, giorno))
        self.tassi(c, giorno, i)
        al = self.periodi[i]["al"]
        if self.s.get("cms") == "eliminata" and dentro(self.s, "cms", giorno):
            c["cms"] = Decimal(0)
        if (self.s.get("cms") == "soglia" and dentro(self.s, "cms", giorno) and al <= FINE_CMS_SEPARATA
                and not self.compensate[i]):
            soglia = soglia_cms(self.medie, al)
            if soglia is not None:
                c["cms"] = min(c["cms"], soglia)
        if self.s.get("commissioni") and dentro(self.s, "commissioni", giorno):
            c["fee"] = c["civ"] = Decimal(0)
        if dentro(self.s, "spese", giorno):
            if self.s.get("spese operazioni"):
                c["spesa_op"] = Decimal(0)
            if self.s.get("spese fisse"):
                c["spese"] = Decimal(0)
        if self.s.get("usura") and dentro(self.s, "usura", giorno) and self.usurario(i):
            for k in ("debitore", "extrafido", "cms", "fee", "civ", "spesa_op", "spese"):
                c[k] = Decimal(0)
        return c

    def capitalizzazione(self, chiusura):
        modo = self.s.get("capitalizzazione")
        if not modo or not dentro(self.s, "capitalizzazione", chiusura):
            return "fine"
        if modo != "norma":
            return modo
        adeguato = self.s.get("adeguamento")
        if CICR_2000 <= chiusura < DIVIETO_2014 and adeguato and adeguato <= chiusura:
            return "fine"
        return "nessuna"


def conto(movs, cond_del, saldo, ricalcolato, capitalizzazione=lambda chiusura: "fine", limite=None):
    """The periods of the scalare, the bank's (its entries in the balance) or the recalculated one
    (the charges worked out in their place), and the remittances made before `limite`."""
    cond = cond_del.cond
    giorno = min(m[1] for m in movs)
    fine = sa.fine_periodo(max(m[1] for m in movs), cond[-1]["mesi"])
    oltre_ieri, periodi, rimesse = False, [], []
    a_parte, sospesi = Decimal(0), Decimal(0)
    i = 0
    while giorno <= fine:
        mesi = sa.in_vigore(cond, giorno)["mesi"]
        p = {"dal": giorno, "al": sa.fine_periodo(giorno, mesi), "saldo_iniziale": saldo, "entro": 0,
             "oltre": 0, "massimo": Decimal(0), "banca": [Decimal(0)] * 4, "civ": Decimal(0), "spese_op": Decimal(0)}
        somme = {"debitori": Fraction(0), "extrafido": Fraction(0), "creditori": Fraction(0), "fee": Fraction(0)}
        while giorno <= p["al"]:
            c = cond_del(giorno, i)
            chiusura, clienti = Decimal(0), Decimal(0)
            for op, val, descr, importo in movs:
                t = sa.tipo(descr)
                if val == giorno and t is None:
                    clienti += importo
                elif val == giorno and not ricalcolato:
                    if giorno == p["al"]:
                        chiusura += importo
                    else:
                        saldo += importo
                if val == giorno and t is not None:
                    p["banca"][t] -= importo
                if op == giorno and t is None:
                    p["spese_op"] += c["spesa_op"]
            saldo += clienti
            if limite is not None and giorno < limite and clienti > 0:
                rimesse.append((giorno, clienti, saldo - clienti, c["fido"], i))
            debito = max(Decimal(0), -saldo)
            entro = min(debito, c["fido"])
            oltre = debito - entro
            credito = max(Decimal(0), saldo)
            p["entro"] += entro
            p["oltre"] += oltre
            anno = Fraction(c["divisore"])
            somme["debitori"] += Fraction(entro) * Fraction(c["debitore"]) / 100 / anno
            somme["extrafido"] += Fraction(oltre) * Fraction(c["extrafido"]) / 100 / anno
            somme["creditori"] += Fraction(credito) * Fraction(c["creditore"]) / 100 / anno
            somme["fee"] += Fraction(c["fido"]) * Fraction(c["fee"]) / 100 / anno
            p["massimo"] = max(p["massimo"], debito)
            if oltre > 0 and not oltre_ieri:
                p["civ"] += c["civ"]
            oltre_ieri = oltre > 0
            giorno += datetime.timedelta(days=1)
        c = cond_del(p["al"], i)
        p["fido"] = c["fido"]
        p["interessi"] = sa.al_centesimo(somme["debitori"])
        p["extrafido"] = sa.al_centesimo(somme["extrafido"])
        p["int_creditori"] = sa.al_centesimo(somme["creditori"])
        rit = c["ritenuta"] if c["ritenuta"] is not None else sa.ritenuta_di_legge(p["al"])
        p["ritenuta"] = sa.al_centesimo(Fraction(p["int_creditori"]) * Fraction(rit) / 100)
        p["cms"] = sa.al_centesimo(Fraction(p["massimo"]) * Fraction(c["cms"]) / 100)
        p["fee"] = sa.al_centesimo(somme["fee"])
        p["spese"] = c["spese"]
        p["tasso debitore"], p["tasso creditore"] = c["debitore"], c["creditore"]
        interessi = p["interessi"] + p["extrafido"] - (p["int_creditori"] - p["ritenuta"])
        oneri = p["cms"] + p["fee"] + p["civ"] + p["spese_op"] + p["spese"]
        p["interessi netti"], p["netto"] = interessi, interessi + oneri
        if ricalcolato:
            saldo -= oneri
            modo = capitalizzazione(p["al"])
            if modo == "fine":
                saldo -= interessi + sospesi
                sospesi = Decimal(0)
            elif modo == "annuale":
                sospesi += interessi
                if (p["al"].month, p["al"].day) == (12, 31) or p["al"] == fine:
                    saldo -= sospesi
                    sospesi = Decimal(0)
            else:
                a_parte += interessi + sospesi
                sospesi = Decimal(0)
        else:
            saldo += chiusura
        p["saldo chiuso"], p["a parte"] = saldo, a_parte
        periodi.append(p)
        i += 1
    return periodi, rimesse


def prescrizione(rimesse, banca, ricalcolo, differenza_iniziale):
    """The remittances over the line and the part of the amounts unduly charged before each that it paid."""
    indebito, somma = [], differenza_iniziale
    for b, r in zip(banca, ricalcolo):
        indebito.append(somma)
        somma += sum(b["banca"]) - r["netto"]
    out, prescritto = [], Decimal(0)
    for giorno, importo, saldo_prima, fido, i in rimesse:
        solutoria = min(importo, max(Decimal(0), -saldo_prima - fido))
        if solutoria == 0:
            continue
        quota = min(solutoria, max(Decimal(0), indebito[i] - prescritto))
        prescritto += quota
        out.append((giorno, importo, solutoria, quota))
    return out


def contratto(cond):
    def cond_del(giorno, i):
        return sa.in_vigore(cond, giorno)
    cond_del.cond = cond
    return cond_del


def caso(nome, scelte, movs, cond, banca, oltre, pubblici):
    regole = Scelte(scelte, cond, banca, oltre, *pubblici)
    iniziale = Decimal(0) if scelte.get("saldo zero") else SALDO_INIZIALE
    richiesta = scelte.get("prima richiesta")
    limite = mesi_prima(richiesta, 120) if richiesta else None
    periodi, rimesse = conto(movs, regole, iniziale, True, regole.capitalizzazione, limite)
    righe = []
    for b, r in zip(banca, periodi):
        righe.append([nome, r["dal"].strftime("%d/%m/%Y"), r["al"].strftime("%d/%m/%Y")]
                     + [sa.testo(x) for x in b["banca"]]
                     + [sa.testo(x) for x in (r["interessi netti"], r["cms"], r["fee"] + r["civ"],
                                              r["spese_op"] + r["spese"], b["saldo chiuso"], r["saldo chiuso"],
                                              r["a parte"], r["saldo chiuso"] - r["a parte"] - b["saldo chiuso"])])
    rideterminato = periodi[-1]["saldo chiuso"] - periodi[-1]["a parte"]
    differenza = rideterminato - banca[-1]["saldo chiuso"]
    prescritte = prescrizione(rimesse, banca, periodi, iniziale - SALDO_INIZIALE) if richiesta else []
    prescritto = min(sum(q for *_, q in prescritte), max(Decimal(0), differenza))
    dopo = differenza - prescritto
    minore = min(max(dopo, Decimal(0)), max(Decimal(0), -banca[-1]["saldo chiuso"]))
    esito = [nome] + [sa.testo(x) for x in (banca[-1]["saldo chiuso"], periodi[-1]["saldo chiuso"],
                                            periodi[-1]["a parte"], rideterminato, differenza, prescritto,
                                            minore, max(Decimal(0), dopo - minore))]
    rimesse_righe = [[nome, g.strftime("%d/%m/%Y")] + [sa.testo(x) for x in (i, s, q)] for g, i, s, q in prescritte]
    return righe, esito, rimesse_righe


def scrivi(intestazione, righe):
    out = io.StringIO()
    w = csv.writer(out, delimiter=";", lineterminator="\n")
    w.writerow(intestazione)
    w.writerows(righe)
    return out.getvalue()


def main():
    movs = sa.movimenti_file(os.path.join(DATI, "ricalcolo_movimenti.csv"))
    cond = sa.condizioni_file(os.path.join(DATI, "ricalcolo_condizioni.csv"))
    banca, _ = conto(movs, contratto(cond), SALDO_INIZIALE, False)
    tassi = cifre_attese.tabella_tassi()
    oltre = [sa.controllo(p, tassi)["Diff"] != "" for p in banca]
    medie = medie_cms()
    pubblici = (tassi_legali(), aste_bot(), medie, cms_compensate(banca, tassi, medie))
    periodi, esiti, rimesse = [], [], []
    for nome, scelte in CASI.items():
        r, e, m = caso(nome, scelte, movs, cond, banca, oltre, pubblici)
        periodi += r
        esiti.append(e)
        rimesse += m
    file = {
        "ricalcolo_atteso.csv": scrivi(
            ["caso", "dal", "al", "banca interessi", "banca competenze", "banca commissioni", "banca spese",
             "interessi", "cms", "commissioni", "spese", "saldo banca", "saldo ricalcolato", "interessi a parte",
             "differenza"], periodi),
        "ricalcolo_esito_atteso.csv": scrivi(
            ["caso", "saldo banca", "saldo ricalcolato", "interessi a parte", "saldo rideterminato", "differenza",
             "prescritto", "minore debito", "da restituire"], esiti),
        "ricalcolo_rimesse_attese.csv": scrivi(["caso", "giorno", "importo", "solutoria", "prescritta"], rimesse),
        "ricalcolo_verdetti_attesi.csv": scrivi(
            ["dal", "al", "oltre la soglia"],
            [[p["dal"].strftime("%d/%m/%Y"), p["al"].strftime("%d/%m/%Y"), "sì" if o else "no"]
             for p, o in zip(banca, oltre)]),
    }
    file["tassi_sostitutivi_attesi.csv"] = scrivi(["giorno", "legale", "bot minimo", "bot massimo"],
                                                  tassi_sostitutivi(pubblici[0], pubblici[1]))
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
        print("cifre attese da rigenerare con tools/ricalcolo_atteso.py: " + ", ".join(diversi))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
