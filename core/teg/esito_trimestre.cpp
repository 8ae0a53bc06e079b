#include "teg/esito_trimestre.h"

#include "common/date.h"
#include "common/numeri.h"
#include "teg/soglie.h"
#include "teg/teg_controlli.h"

namespace vantrel {

EsitoTrimestre esitoTrimestre(const Finestra& w, const TabellaTassi& tassi, const PeriodoDaControllare& p,
                              EsitoControllo e) {
    const auto& c = tegIds(w.schema());
    EsitoTrimestre t;
    t.riga = p.riga;
    t.dal = w.testo(c.dal);
    t.al = w.testo(c.al);
    t.categoria = w[c.Combo2].selezione >= 0 ? w.testo(c.Combo2) : std::string();
    const bool lire = w[c.Lira].selezionato;
    t.valuta = lire ? "Lire" : "Euro";
    // The rule is the caption of the selected option of its group, however many the group has.
    const std::string& gruppo = w.schema().definizione(c.Option3).gruppo;
    for (std::size_t i = 0; i < w.schema().dimensione(); ++i) {
        const int id = static_cast<int>(i);
        if (w.schema().definizione(id).gruppo == gruppo && w[id].selezionato) t.norma = w.testo(id);
    }
    t.formula = p.formula == "OK" ? "Banca d'Italia" : "globale";
    t.TegTXT = w.testo(c.TegTXT);
    t.soglia = w.testo(c.soglia);
    t.Diff = w.testo(c.Diff);
    for (std::size_t k = 0; k < kParziali.size(); ++k)
        t.parziali[k] = w.testo(w.id(kParziali[k]));
    for (std::size_t k = 0; k < kDatiPeriodo.size(); ++k)
        t.dati[k] = w.testo(w.id(kDatiPeriodo[k]));

    // The threshold's class and quarter, as the window picks them.
    if (const auto inizio = leggiData(t.dal)) {
        const int categoria = w[c.Combo2].selezione;
        t.classe = classeImporto(categoria, leggiNumero(w.testo(c.Acc)).value_or(0.0), *inizio, lire);
        const int q = inizio->trimestre() - 1;
        const int(&medie)[4] = t.classe == 1 ? c.TS : t.classe == 2 ? c.TSb : c.TSc;
        t.tassoMedio = w.testo(medie[q]);
        static const char* const voci[3][3] = {{"TM1", "TM2", ""}, {"TM7", "TM8", ""}, {"TM3", "TM4", "TM6"}};
        if (categoria >= 0 && categoria < 3) t.voceTasso = voci[categoria][t.classe - 1];
        t.periodoTassi = chiavePeriodo(inizio->trimestre(), inizio->anno);
        t.inTabella = tassi.CercaPeriodo(t.periodoTassi) != 0;
    }
    t.messaggi = std::move(e.messaggi);
    t.rigaReport = std::move(e.riga);
    return t;
}

} // namespace vantrel
