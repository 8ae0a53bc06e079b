#include "casefile/ricalcolo_pratica.h"

#include "account/controllo_scalare.h"
#include "casefile/scalare_pratica.h"
#include "teg/finestra_calcolo.h"
#include "teg/teg_controlli.h"

namespace vantrel {
namespace {

RisultatoPeriodo risultato(const PeriodoScalare& p) {
    const Competenze& k = p.calcolate;
    RisultatoPeriodo r;
    r.dal = p.dal;
    r.al = p.al;
    r.numeriDebitori = p.numeriDebitori();
    r.massimoScoperto = p.massimoScoperto;
    r.interessi = k.interessiDebitori + k.interessiExtrafido;
    r.cms = k.cms;
    r.commissioni = k.commissioneFido + k.commissioneSconfinamento;
    r.spese = k.speseOperazioni + k.speseFisse;
    r.addebitiBanca = p.totaleBanca();
    r.differenza = p.differenza();
    return r;
}

std::string unisci(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& m : v)
        s += (s.empty() ? "" : " | ") + m;
    return s;
}

} // namespace

Ricalcolo ricalcola(const GiorniConto& giorni, const std::vector<RigaCondizioni>& condizioni,
                    const OpzioniScalare& opzioni, Contesto& ctx, const DopoPeriodo& dopo) {
    Ricalcolo out;
    out.scalare = calcolaScalare(giorni, condizioni, opzioni);
    out.errore = out.scalare.errore;
    std::optional<ControlloPeriodi> controllo; // one window, loaded afresh for every period
    for (std::size_t i = 0; i < out.scalare.periodi.size(); ++i) {
        const PeriodoScalare& p = out.scalare.periodi[i];
        RisultatoPeriodo r = risultato(p);
        const auto riga = periodoDaControllare(p, static_cast<int>(i) + 1);
        if (!riga) {
            out.risultati.push_back(std::move(r));
            if (dopo) dopo(p, nullptr, nullptr);
            continue;
        }
        if (!controllo) {
            controllo.emplace(ctx);
            controllo->finestra().calcolo().vuotiAZero(false); // every figure is given
        }
        const EsitoControllo e = controllo->controlla(*riga);
        const FinestraCalcolo& w = controllo->finestra();
        const auto& c = controlli<ControlliTeg>(w.schema());
        r.teg = w.testo(c.teg);
        r.soglia = w.testo(c.soglia);
        r.supero = w.testo(c.supero);
        r.riga = e.riga;
        r.messaggi = unisci(e.messaggi);
        out.risultati.push_back(std::move(r));
        if (dopo) dopo(p, &*controllo, &e);
    }
    return out;
}

Ricalcolo ricalcolaPratica(Pratica& p, Contesto& ctx, const DopoPeriodo& dopo) {
    Ricalcolo r = ricalcola(giorniPratica(p), p.condizioni(), opzioniPratica(p), ctx, dopo);
    if (!r.errore.empty() || p.soloLettura()) return r;
    r.errore = p.salvaRisultati(r.risultati, ctx.stato.tassi, ctx.oggi());
    return r;
}

} // namespace vantrel
