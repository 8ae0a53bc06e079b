#!/usr/bin/python3
"""Draws single-line faults at random, for tools/mutazioni.sh --casuali.

Nobody chooses these faults: a seed picks lines of the product's C++ files (core, cli, gui,
platform) and an operator rule that applies to each line, as a hurried edit would change it:
  relazione   <  <=  >  >=  ==  !=  turned into a neighbour (< into <=, == into !=, ...)
  aritmetica  +  -  *  /  swapped (+ into -, * into /)
  logica      &&  ||  swapped
  costante    an integer literal plus or minus one
  ritorno     the returned value negated (!x for a condition, -x for a number)
  istruzione  a statement removed
  argomenti   the first two arguments of a call swapped
Writes the faults in the list format of tools/mutazioni.txt ("file|original|faulty"), the
original being the whole line (with the next ones joined by {NL} until it occurs once in its
file). Usage: mutazioni_casuali.py SEED COUNT > list
"""
import random
import re
import subprocess
import sys

CARTELLE = ("core/", "cli/", "gui/", "platform/")

# Lines no rule should touch: comments, preprocessor, braces alone, labels, declarations of types.
SALTA = re.compile(r"^\s*(//|/\*|\*|#|[{}]+;?\s*$|(public|private|protected|case .*|default):\s*$|"
                   r"(class|struct|enum|namespace|using|template|static_assert)\b)")
STRINGA = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')


def codice(riga):
    """The line with string and character literals blanked out, so that rules skip their text."""
    return STRINGA.sub(lambda m: " " * len(m.group(0)), riga.split("//")[0] if '"' not in riga else riga)


def sostituzioni(riga, modello, cambio):
    """Every way of applying `cambio` to one match of `modello` outside literals."""
    pulita = codice(riga)
    for m in re.finditer(modello, pulita):
        nuovo = cambio(m)
        if nuovo is not None:
            yield riga[: m.start()] + nuovo + riga[m.end():]


def relazione(riga):
    scambi = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
    # Not templates (std::vector<int>), shifts, arrows or streams.
    return sostituzioni(riga, r"(?<![<>=!-])(<=|>=|==|!=|<|>)(?![<>=])",
                        lambda m: scambi[m.group(1)] if re.search(r"\s$", riga[: m.start()]) else None)


def aritmetica(riga):
    scambi = {"+": "-", "-": "+", "*": "/", "/": "*"}
    return sostituzioni(riga, r"(?<=[\w)\]] )([-+*/])(?= [\w(])", lambda m: scambi[m.group(1)])


def logica(riga):
    return sostituzioni(riga, r"&&|\|\|", lambda m: "||" if m.group(0) == "&&" else "&&")


def costante(riga):
    def cambio(m):
        n = int(m.group(0))
        return str(n + 1 if n == 0 or random.random() < 0.5 else n - 1)
    return sostituzioni(riga, r"(?<![\w.])\d+(?![\w.])", cambio)


def ritorno(riga):
    m = re.match(r"^(\s*return )(.+);\s*$", riga)
    if not m or m.group(2) in ("true", "false", "{}", "nullptr") or m.group(2).startswith("{"):
        return []
    valore = m.group(2)
    # Only where the value's kind shows: a condition is negated with !, a figure with a minus.
    if re.search(r"==|!=|<=|>=| < | > |&&|\|\||\bempty\(\)|\bok\(\)|^!", valore):
        return [m.group(1) + "!(" + valore + ");"]
    if re.search(r"\d| [-+*/] ", valore) and '"' not in valore:
        return [m.group(1) + "-(" + valore + ");"]
    return []


def istruzione(riga):
    if re.match(r"^\s*[\w:.\->\[\]()]+(\(.*\)|\s*[-+*/]?=\s*.+|\+\+|--);\s*$", riga) and not re.match(
            r"^\s*(return|break|continue)\b", riga):
        return [""]
    return []


def argomenti(riga):
    pulita = codice(riga)
    m = re.search(r"\w\(([^(),]+), ([^(),]+)([,)])", pulita)
    if not m:
        return []
    a, b = m.group(1), m.group(2)
    dichiarazione = re.compile(r"^\s*(const\s+)?[\w:<>]+[\s&*]+\w+\s*$")  # a parameter, not an argument
    if a.strip() == b.strip() or dichiarazione.match(a) or dichiarazione.match(b):
        return []
    inizio = m.start(1)
    return [riga[:inizio] + riga[m.start(2):m.end(2)] + ", " + riga[inizio:inizio + len(a)] + riga[m.end(2):]]


REGOLE = [relazione, aritmetica, logica, costante, ritorno, istruzione, argomenti]


def file_prodotto():
    tutti = subprocess.run(["git", "ls-files"], capture_output=True, text=True, check=True).stdout.split()
    return sorted(f for f in tutti if f.startswith(CARTELLE) and f.endswith(".cpp"))


def originale_unico(righe, i, testo):
    """The line, joined with the next ones until it occurs once in the file."""
    fine = i
    while fine < len(righe):
        pezzo = "\n".join(righe[i:fine + 1])
        if testo.count(pezzo) == 1:
            return pezzo, fine
        fine += 1
    return None, None


def voce(file, originale, guasto):
    def campo(s):
        return s.replace("|", "\\|").replace("\n", "{NL}")
    return campo(file) + "|" + campo(originale) + "|" + campo(guasto)


def main():
    seme, quanti = int(sys.argv[1]), int(sys.argv[2])
    random.seed(seme)
    candidati = []
    for f in file_prodotto():
        testo = open(f, encoding="utf-8").read()
        righe = testo.split("\n")
        for i, r in enumerate(righe):
            if r.strip() and not SALTA.match(r) and len(r.strip()) > 3:
                candidati.append((f, i))
    random.shuffle(candidati)
    scelti = 0
    visti = set()
    print(f"# {quanti} faults drawn with seed {seme} by tools/mutazioni_casuali.py")
    for f, i in candidati:
        if scelti == quanti:
            break
        righe = open(f, encoding="utf-8").read().split("\n")
        testo = "\n".join(righe)
        regole = REGOLE[:]
        random.shuffle(regole)
        for regola in regole:
            possibili = list(regola(righe[i]))
            if not possibili:
                continue
            nuova = random.choice(possibili)
            originale, fine = originale_unico(righe, i, testo)
            if originale is None or (f, i) in visti:
                break
            guasto = "\n".join([nuova] + righe[i + 1:fine + 1]) if nuova else "\n".join(righe[i + 1:fine + 1])
            if guasto == originale:
                continue
            print(f"# {regola.__name__}")
            print(voce(f, originale, guasto))
            visti.add((f, i))
            scelti += 1
            break


if __name__ == "__main__":
    main()
