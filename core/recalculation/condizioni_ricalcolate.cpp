#include "recalculation/condizioni_ricalcolate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {
namespace {

std::string percento(TassoDecimale t) {
    return testoTasso(t) + " %";
}

class Applicazione {
public:
    Applicazione(const std::vector<RigaCondizioni>& c, const ScelteRicalcolo& s, const BaseRicalcolo& b)
        : contratto_(c), s_(s), b_(b) {
        const auto& o = b_.oltreSoglia;
        primoOltre_ = static_cast<std::size_t>(std::find(o.begin(), o.end(), true) - o.begin());
    }

    CondizioniRicalcolate esegui();

private:
    std::vector<Data> tagli() const;
    std::vector<RigaCondizioni> righeDivise() const;
    std::optional<std::size_t> periodoDi(const Data& d) const;
    const TassoInserito* inserito(const Data& d) const;
    bool usurario(std::size_t i) const {
        return s_.usura == ModoUsura::Trimestre ? b_.oltreSoglia[i] : i >= primoOltre_;
    }
    std::string tassi(RigaCondizioni& r, std::optional<std::size_t> i) const;
    void oneri(RigaCondizioni& r, std::optional<std::size_t> i) const;
    std::string nota(std::size_t i, const std::vector<RigaCondizioni>& righe, std::vector<std::string>& avvisi) const;

    const std::vector<RigaCondizioni>& contratto_;
    const ScelteRicalcolo& s_;
    const BaseRicalcolo& b_;
    std::size_t primoOltre_ = 0;
};

// Every day where a choice or a period begins or a choice ends.
std::vector<Data> Applicazione::tagli() const {
    std::vector<Data> t;
    for (const PeriodoScalare& p : b_.periodi)
        t.push_back(p.dal);
    const auto intervallo = [&](const IntervalloScelta& i) {
        if (i.dal) t.push_back(*i.dal);
        if (i.al) t.push_back(aggiungiGiorni(*i.al, 1));
    };
    if (s_.tassi != ModoTassi::Contratto) {
        intervallo(s_.periodoTassi);
        for (const TassoInserito& x : s_.tassiInseriti)
            t.push_back(x.dal);
        if (s_.tassi == ModoTassi::Legale)
            for (const TassoLegale& l : b_.pubblici.legale)
                t.push_back(l.dal);
    }
    if (s_.cms != ModoCms::Mantenuta) intervallo(s_.periodoCms);
    if (s_.commissioniEliminate) intervallo(s_.periodoCommissioni);
    if (s_.speseOperazioniEliminate || s_.speseFisseEliminate) intervallo(s_.periodoSpese);
    if (s_.usura != ModoUsura::Nessuna) intervallo(s_.periodoUsura);
    std::sort(t.begin(), t.end());
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}

std::vector<RigaCondizioni> Applicazione::righeDivise() const {
    const std::vector<Data> t = tagli();
    std::vector<RigaCondizioni> out;
    for (std::size_t k = 0; k < contratto_.size(); ++k) {
        const long prossima =
            k + 1 < contratto_.size() ? contratto_[k + 1].dal.numero() : std::numeric_limits<long>::max();
        out.push_back(contratto_[k]);
        for (const Data& d : t)
            if (contratto_[k].dal < d && d.numero() < prossima) {
                out.push_back(contratto_[k]);
                out.back().dal = d;
            }
    }
    return out;
}

std::optional<std::size_t> Applicazione::periodoDi(const Data& d) const {
    const auto& p = b_.periodi;
    auto it = std::upper_bound(p.begin(), p.end(), d, [](const Data& x, const PeriodoScalare& q) { return x < q.dal; });
    if (it == p.begin() || (it - 1)->al < d) return std::nullopt;
    return static_cast<std::size_t>(it - p.begin() - 1);
}

const TassoInserito* Applicazione::inserito(const Data& d) const {
    const TassoInserito* t = nullptr;
    for (const TassoInserito& x : s_.tassiInseriti)
        if (x.dal <= d) t = &x;
    return t;
}

std::string Applicazione::tassi(RigaCondizioni& r, std::optional<std::size_t> i) const {
    if (s_.tassi == ModoTassi::Contratto || !s_.periodoTassi.contiene(r.dal) || !i) return {};
    TassoDecimale debitore = 0, creditore = 0;
    const TassoInserito* t = inserito(r.dal);
    if (s_.tassi == ModoTassi::Legale) {
        const auto l = b_.pubblici.tassoLegale(r.dal);
        if (!l) return "tasso legale del " + r.dal.testo() + " non disponibile nei dati del programma";
        debitore = creditore = *l;
    } else if (const auto bot = s_.tassi == ModoTassi::Bot ? b_.pubblici.bot(b_.periodi[*i].dal) : std::nullopt) {
        debitore = std::max<TassoDecimale>(0, bot->minimo);
        creditore = std::max<TassoDecimale>(0, bot->massimo);
    } else if (t) {
        debitore = t->debitore;
        creditore = t->creditore;
    } else if (s_.tassi == ModoTassi::Bot) {
        const PeriodoScalare& p = b_.periodi[*i];
        return "periodo dal " + p.dal.testo() + " al " + p.al.testo() +
               ": le aste dei BOT dei dodici mesi prima non sono tutte nei dati del programma (dal 2002): "
               "inserire i tassi del periodo";
    } else {
        return "tassi inseriti: manca il tasso in vigore il " + r.dal.testo();
    }
    r.tassoDebitore = r.tassoExtrafido = debitore;
    r.tassoCreditore = creditore;
    return {};
}

void Applicazione::oneri(RigaCondizioni& r, std::optional<std::size_t> i) const {
    if (s_.cms == ModoCms::Eliminata && s_.periodoCms.contiene(r.dal)) r.cms = 0;
    if (s_.cms == ModoCms::EntroSoglia && i && s_.periodoCms.contiene(r.dal) && b_.periodi[*i].al <= kFineCmsSeparata &&
        !b_.cmsCompensata[*i])
        if (const auto soglia = sogliaCms(b_.tassi, b_.periodi[*i].al)) r.cms = std::min(r.cms, *soglia);
    if (s_.commissioniEliminate && s_.periodoCommissioni.contiene(r.dal))
        r.commissioneFido = r.commissioneSconfinamento = 0;
    if (s_.periodoSpese.contiene(r.dal)) {
        if (s_.speseOperazioniEliminate) r.speseOperazione = 0;
        if (s_.speseFisseEliminate) r.spesePeriodo = 0;
    }
    if (s_.usura != ModoUsura::Nessuna && i && s_.periodoUsura.contiene(r.dal) && usurario(*i)) {
        r.tassoDebitore = r.tassoExtrafido = r.cms = r.commissioneFido = 0;
        r.commissioneSconfinamento = r.speseOperazione = r.spesePeriodo = 0;
    }
}

// What the choices did to period `i`, judged on its last day as its CMS and fixed expenses are.
std::string Applicazione::nota(std::size_t i, const std::vector<RigaCondizioni>& righe,
                               std::vector<std::string>& avvisi) const {
    const PeriodoScalare& p = b_.periodi[i];
    const auto inVigore = [&](const std::vector<RigaCondizioni>& v) -> const RigaCondizioni& {
        auto it = std::upper_bound(v.begin(), v.end(), p.al,
                                   [](const Data& d, const RigaCondizioni& r) { return d < r.dal; });
        return it == v.begin() ? v.front() : *(it - 1);
    };
    std::vector<std::string> parti;
    const RigaCondizioni& r = inVigore(righe);
    if (s_.tassi != ModoTassi::Contratto && s_.periodoTassi.contiene(p.al))
        parti.push_back("tassi: debitore " + percento(r.tassoDebitore) + ", creditore " + percento(r.tassoCreditore));
    if (s_.cms == ModoCms::EntroSoglia && s_.periodoCms.contiene(p.al) && p.al <= kFineCmsSeparata &&
        inVigore(contratto_).cms > 0) {
        if (b_.cmsCompensata[i]) {
            parti.push_back("CMS mantenuta: compensata dal margine degli interessi");
        } else if (const auto soglia = sogliaCms(b_.tassi, p.al)) {
            parti.push_back("CMS entro la soglia del " + percento(*soglia));
        } else {
            parti.push_back("CMS media non disponibile: CMS mantenuta");
            avvisi.push_back("periodo dal " + p.dal.testo() + " al " + p.al.testo() + ": CMS media del " +
                             std::to_string(p.al.trimestre()) + "° trimestre " + std::to_string(p.al.anno) +
                             " non disponibile (inserirla nella finestra dei tassi): CMS mantenuta");
        }
    }
    if (s_.usura != ModoUsura::Nessuna && s_.periodoUsura.contiene(p.al) && usurario(i))
        parti.push_back(b_.oltreSoglia[i] ? "oltre la soglia: interessi e oneri azzerati"
                                          : "dopo un trimestre oltre la soglia: interessi e oneri azzerati");
    std::string s;
    for (const auto& x : parti)
        s += (s.empty() ? "" : "; ") + x;
    return s;
}

CondizioniRicalcolate Applicazione::esegui() {
    CondizioniRicalcolate out;
    out.righe = righeDivise();
    for (RigaCondizioni& r : out.righe) {
        const auto i = periodoDi(r.dal);
        if (std::string e = tassi(r, i); !e.empty()) return {{}, {}, {}, e};
        oneri(r, i);
    }
    for (std::size_t i = 0; i < b_.periodi.size(); ++i)
        out.note.push_back(nota(i, out.righe, out.avvisi));
    return out;
}

} // namespace

std::optional<TassoDecimale> sogliaCms(const TabellaTassi& t, const Data& d) {
    const int k = t.cercaPeriodo(chiavePeriodo(d.trimestre(), d.anno));
    if (k == 0 || !(t.slot(k).TM[5] > 0)) return std::nullopt;
    const auto media = static_cast<TassoDecimale>(std::llround(static_cast<double>(t.slot(k).TM[5]) * kUnoPerCento));
    return (media * 3 + 1) / 2;
}

CondizioniRicalcolate condizioniRicalcolate(const std::vector<RigaCondizioni>& contratto, const ScelteRicalcolo& s,
                                            const BaseRicalcolo& base) {
    if (contratto.empty() || base.oltreSoglia.size() != base.periodi.size() ||
        base.cmsCompensata.size() != base.periodi.size())
        return {{}, {}, {}, "mancano le condizioni"};
    return Applicazione(contratto, s, base).esegui();
}

} // namespace vantrel
