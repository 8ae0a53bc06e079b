#include "account/scalare.h"

#include <algorithm>

namespace vantrel {
namespace {

__extension__ using Int128 = __int128;

// Every divisor divides this year (the least common multiple of 365 and 360), so that the day-by-day
// sums of numeri x rate stay exact integers whatever divisor each day has.
constexpr std::int64_t kAnnoComune = 26280;
// Cents x ten-thousandths of a percent to cents.
constexpr std::int64_t kScalaTasso = 100 * kUnoPerCento;

/// num / den rounded to the cent, half away from zero (den > 0).
Centesimi arrotonda(Int128 num, Int128 den) {
    const Int128 a = num < 0 ? -num : num;
    const auto q = static_cast<Centesimi>((2 * a + den) / (2 * den));
    return num < 0 ? -q : q;
}

Centesimi percentuale(Centesimi base, TassoDecimale tasso) {
    return arrotonda(static_cast<Int128>(base) * tasso, kScalaTasso);
}

/// The sums of a period before rounding: numeri x rate x (kAnnoComune / divisor).
struct Accumulo {
    Int128 debitori = 0, extrafido = 0, creditori = 0, fido = 0;
};

class Calcolo {
public:
    Calcolo(const GiorniConto& g, const std::vector<RigaCondizioni>& c, const OpzioniScalare& o,
            const std::function<void(const GiornoScalare&)>& f)
        : giorni_(g), condizioni_(c), opzioni_(o), ogniGiorno_(f) {}

    RisultatoScalare esegui();

private:
    const RigaCondizioni& condizioniDel(long n);
    Centesimi movimentiDel(long n, bool ultimo) const;
    void giorno(long n, PeriodoScalare& p, Accumulo& a);
    void chiudi(PeriodoScalare& p, const Accumulo& a);
    void addebitiBanca(PeriodoScalare& p) const;
    void capitalizza(PeriodoScalare& p);
    Capitalizzazione modoDel(const Data& chiusura) const;

    const GiorniConto& giorni_;
    const std::vector<RigaCondizioni>& condizioni_;
    const OpzioniScalare& opzioni_;
    const std::function<void(const GiornoScalare&)>& ogniGiorno_;
    RisultatoScalare r_;
    Centesimi saldo_ = 0;
    Centesimi sospesi_ = 0; // interest of the year's periods waiting for its annual capitalisation
    long fine_ = 0;         // the last day worked out
    bool oltre_ = false;    // the balance was over the line the day before
    std::size_t riga_ = 0;  // the row of conditions in force on the day worked out
};

const RigaCondizioni& Calcolo::condizioniDel(long n) {
    while (riga_ + 1 < condizioni_.size() && condizioni_[riga_ + 1].dal.numero() <= n)
        ++riga_;
    return condizioni_[riga_];
}

// The day's movements; the bank's entries too when the balance is the bank's, except on a period's
// last day, where they are its closing (see chiudi).
Centesimi Calcolo::movimentiDel(long n, bool ultimo) const {
    const auto& g = giorni_.giorno(n);
    Centesimi m = g.movimenti;
    if (opzioni_.saldo == SaldoScalare::Banca && !ultimo)
        for (Centesimi b : g.banca)
            m += b;
    return m;
}

void Calcolo::giorno(long n, PeriodoScalare& p, Accumulo& a) {
    const RigaCondizioni& c = condizioniDel(n);
    saldo_ += movimentiDel(n, n == p.al.numero());
    const std::int64_t scala = kAnnoComune / c.divisore;
    const Centesimi debito = saldo_ < 0 ? -saldo_ : 0;
    const Centesimi entro = std::min(debito, c.fido), oltre = debito - entro;
    p.numeriEntroFido += entro;
    p.numeriExtrafido += oltre;
    p.numeriCreditori += saldo_ > 0 ? saldo_ : 0;
    a.debitori += static_cast<Int128>(entro) * c.tassoDebitore * scala;
    a.extrafido += static_cast<Int128>(oltre) * c.tassoExtrafido * scala;
    a.creditori += static_cast<Int128>(saldo_ > 0 ? saldo_ : 0) * c.tassoCreditore * scala;
    a.fido += static_cast<Int128>(c.fido) * c.commissioneFido * scala;
    p.massimoScoperto = std::max(p.massimoScoperto, debito);
    p.giorniADebito += debito > 0;
    p.giorniOltreFido += oltre > 0;
    if (oltre > 0 && !oltre_) {
        ++p.sconfinamenti;
        p.calcolate.commissioneSconfinamento += c.commissioneSconfinamento;
    }
    oltre_ = oltre > 0;
    const std::int32_t operazioni = giorni_.giorno(n).operazioni;
    p.operazioni += operazioni;
    p.calcolate.speseOperazioni += operazioni * c.speseOperazione;
    if (ogniGiorno_) ogniGiorno_({Data::daNumero(n), saldo_, r_.periodi.size()});
}

void Calcolo::chiudi(PeriodoScalare& p, const Accumulo& a) {
    const RigaCondizioni& c = condizioniDel(p.al.numero());
    const Int128 den = static_cast<Int128>(kScalaTasso) * kAnnoComune;
    Competenze& k = p.calcolate;
    k.interessiDebitori = arrotonda(a.debitori, den);
    k.interessiExtrafido = arrotonda(a.extrafido, den);
    k.interessiCreditori = arrotonda(a.creditori, den);
    k.commissioneFido = arrotonda(a.fido, den);
    k.ritenuta = percentuale(k.interessiCreditori, c.ritenuta.value_or(ritenutaDiLegge(p.al)));
    k.cms = percentuale(p.massimoScoperto, c.cms);
    k.speseFisse = c.spesePeriodo;
    p.fido = c.fido;
    p.saldoFinale = saldo_;
    addebitiBanca(p);
    if (opzioni_.saldo == SaldoScalare::Banca) // the bank's closing, after the last day's numeri
        for (Centesimi b : giorni_.giorno(p.al.numero()).banca)
            saldo_ += b;
    if (opzioni_.saldo == SaldoScalare::Ricalcolato) capitalizza(p);
    p.saldoChiuso = saldo_;
    p.interessiAParte = r_.interessiAParte;
}

Capitalizzazione Calcolo::modoDel(const Data& chiusura) const {
    Capitalizzazione m = opzioni_.capitalizzazione;
    for (const auto& t : opzioni_.capitalizzazioni)
        if (t.dal <= chiusura) m = t.modo;
    return m;
}

// Commissions and expenses enter the balance at the period's end; the interest as the choice in
// force on the period's last day says. Interest waiting for an annual capitalisation that a
// choice of no capitalisation overtakes is kept apart with the rest.
void Calcolo::capitalizza(PeriodoScalare& p) {
    const Competenze& k = p.calcolate;
    saldo_ -= k.oneri();
    switch (modoDel(p.al)) {
    case Capitalizzazione::FinePeriodo:
        saldo_ -= k.interessi() + sospesi_;
        sospesi_ = 0;
        break;
    case Capitalizzazione::Annuale:
        sospesi_ += k.interessi();
        if ((p.al.mese == 12 && p.al.giorno == 31) || p.al.numero() == fine_) {
            saldo_ -= sospesi_;
            sospesi_ = 0;
        }
        break;
    case Capitalizzazione::Nessuna:
        r_.interessiAParte += k.interessi() + sospesi_;
        sospesi_ = 0;
        break;
    }
}

void Calcolo::addebitiBanca(PeriodoScalare& p) const {
    // Rows entered for days of the same period add up: none of them is silently left out.
    for (const auto& a : opzioni_.addebitiInseriti)
        if (p.dal <= a.giorno && a.giorno <= p.al) {
            for (std::size_t k = 0; k < kTipiAddebito; ++k)
                p.banca[k] += a.importi[k];
            p.bancaInserita = true;
        }
    if (p.bancaInserita) return;
    for (long n = p.dal.numero(); n <= p.al.numero(); ++n)
        for (std::size_t k = 0; k < kTipiAddebito; ++k)
            p.banca[k] -= giorni_.giorno(n).banca[k];
}

RisultatoScalare Calcolo::esegui() {
    if (std::string e = erroreCondizioni(condizioni_); !e.empty()) return {{}, e, 0};
    if (giorni_.vuoto() && (!opzioni_.dal || !opzioni_.al)) return {{}, "non ci sono movimenti", 0};
    const long inizio = opzioni_.dal ? opzioni_.dal->numero() : giorni_.primo();
    const long ultimoMovimento = giorni_.vuoto() ? inizio : giorni_.ultimo();
    if (condizioni_.front().dal.numero() > inizio)
        return {{},
                "le condizioni cominciano il " + condizioni_.front().dal.testo() + ", il conto il " +
                    Data::daNumero(inizio).testo() + ": mancano le condizioni dei primi giorni",
                0};
    const long fine =
        opzioni_.al
            ? opzioni_.al->numero()
            : finePeriodo(Data::daNumero(std::max(ultimoMovimento, inizio)), condizioni_.back().liquidazione).numero();
    fine_ = fine;
    saldo_ = opzioni_.saldoIniziale;
    for (long n = giorni_.vuoto() ? inizio : giorni_.primo(); n < inizio; ++n)
        saldo_ += movimentiDel(n, false);
    for (long n = inizio; n <= fine;) {
        PeriodoScalare p;
        p.dal = Data::daNumero(n);
        p.al = std::min(finePeriodo(p.dal, condizioniDel(n).liquidazione), Data::daNumero(fine));
        p.giorni = static_cast<int>(p.al.numero() - n + 1);
        p.saldoIniziale = saldo_;
        Accumulo a;
        for (; n <= p.al.numero(); ++n)
            giorno(n, p, a);
        chiudi(p, a);
        r_.periodi.push_back(p);
    }
    return std::move(r_);
}

} // namespace

Centesimi Competenze::addebiti() const {
    return interessiDebitori + interessiExtrafido + cms + commissioneFido + commissioneSconfinamento + speseOperazioni +
           speseFisse;
}

Centesimi PeriodoScalare::totaleBanca() const {
    Centesimi t = 0;
    for (Centesimi b : banca)
        t += b;
    return t;
}

RisultatoScalare calcolaScalare(const GiorniConto& giorni, const std::vector<RigaCondizioni>& condizioni,
                                const OpzioniScalare& opzioni,
                                const std::function<void(const GiornoScalare&)>& ogniGiorno) {
    return Calcolo(giorni, condizioni, opzioni, ogniGiorno).esegui();
}

} // namespace vantrel
