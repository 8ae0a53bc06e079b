#include "teg/esito_trimestre.h"

#include "common/date.h"
#include "common/numeri.h"
#include "rates/categoria_conto.h"
#include "teg/teg_controlli.h"

namespace vantrel {

EsitoTrimestre esitoTrimestre(const Finestra& w, const TabellaTassi& tassi, const PeriodoDaControllare& p,
                              EsitoControllo e) {
    const auto& c = controlli<ControlliTeg>(w.schema());
    EsitoTrimestre t;
    t.riga = p.riga;
    t.dal = w.testo(c.dataInizio);
    t.al = w.testo(c.dataFine);
    t.categoria = w[c.categoria].selezione >= 0 ? w.testo(c.categoria) : std::string();
    const bool lire = w[c.lire].selezionato;
    t.valuta = lire ? "Lire" : "Euro";
    // The rule is the caption of the selected option of its group, however many the group has.
    const std::string& gruppo = w.schema().definizione(c.vecchiaNorma).gruppo;
    for (std::size_t i = 0; i < w.schema().dimensione(); ++i) {
        const int id = static_cast<int>(i);
        if (w.schema().definizione(id).gruppo == gruppo && w[id].selezionato) t.norma = w.testo(id);
    }
    t.formula = p.formula == &ControlliTeg::calcolaBancaItalia ? "Banca d'Italia" : "globale";
    t.teg = w.testo(c.teg);
    t.soglia = w.testo(c.soglia);
    t.supero = w.testo(c.supero);
    t.esitoCms = w.testo(c.esitoCms);
    for (std::size_t k = 0; k < kParziali.size(); ++k)
        t.parziali[k] = w.testo(c.*kParziali[k]);
    for (std::size_t k = 0; k < kCampiPeriodo.size(); ++k)
        t.dati[k] = w.testo(c.*kCampiPeriodo[k].controllo);

    // The threshold's class and quarter, as the window picks them.
    if (const auto inizio = leggiData(t.dal)) {
        const CategoriaConto& categoria = categoriaConto(w[c.categoria].selezione);
        t.classe = categoria.classe(leggiNumero(w.testo(c.accordato)).value_or(0.0), *inizio,
                                    lire ? Valuta::Lire : Valuta::Euro);
        const int q = inizio->trimestre() - 1;
        t.tassoMedio = w.testo(controlli<GrigliaTassi>(w.schema()).tassiMedi[t.classe - 1][q]);
        t.voceTasso = categoria.voceTasso(t.classe);
        t.periodoTassi = chiavePeriodo(inizio->trimestre(), inizio->anno);
        t.inTabella = tassi.cercaPeriodo(t.periodoTassi) != 0;
    }
    t.messaggi = std::move(e.messaggi);
    t.rigaReport = std::move(e.riga);
    return t;
}

} // namespace vantrel
