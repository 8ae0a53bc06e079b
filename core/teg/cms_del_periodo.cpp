#include "teg/cms_del_periodo.h"

#include "common/numeri.h"
#include "teg/teg_controlli.h"

namespace vantrel {

std::optional<TassoEsatto> cmsMediaDelTrimestre(const TabellaTassi& t, int trimestre, int anno) {
    const int k = t.cercaPeriodo(chiavePeriodo(trimestre, anno));
    if (k == 0) return std::nullopt;
    const float media = t.slot(k).TM[5];
    if (!(media > 0)) return std::nullopt;
    // The rate as the rate window writes it (0,48), not the binary fraction the file keeps.
    return TassoEsatto::leggi(testoNumero(media));
}

DatiCms datiCmsDelPeriodo(const Finestra& f, const TabellaTassi& t, bool bancaItalia, Norma norma, LetturaCms lettura) {
    const auto& c = controlli<ControlliTeg>(f.schema());
    const auto valore = [&](int id) { return leggiNumero(f.testo(id)); };
    DatiCms d{.fine = leggiData(f.testo(c.dataFine)),
              .bancaItalia = bancaItalia,
              .interessi = valore(c.interessiDare),
              .altriInteressi = valore(c.altriInteressi),
              .spese = valore(c.spese),
              .altriOneri = valore(c.altriOneri),
              .cmsInteressi = valore(c.cmsInteressi),
              .cmsSpese = valore(c.cmsSpese),
              .massimoScoperto = valore(c.massimoScoperto),
              .numeri = valore(c.formulaNumeri),
              .divisore = valore(c.formulaGiorniAnno),
              .fido = valore(c.fido),
              .soglia = TassoEsatto::leggi(f.testo(c.soglia)),
              .cmsMedia = std::nullopt,
              .norma = norma,
              .lettura = lettura,
              .valuta = f[c.lire].selezionato ? Valuta::Lire : Valuta::Euro};
    // The CMS average of the quarter whose threshold the period takes: the quarter of its first day.
    if (const auto inizio = leggiData(f.testo(c.dataInizio)))
        d.cmsMedia = cmsMediaDelTrimestre(t, inizio->trimestre(), inizio->anno);
    return d;
}

std::vector<std::string> mostraVerificaCms(Finestra& f, const DatiCms& d, const EsitoCms& e) {
    const auto& c = controlli<ControlliTeg>(f.schema());
    const bool applicata = e.applicata();
    f.imposta(c.cmsMedia, !applicata ? "" : d.cmsMedia ? d.cmsMedia->testoAlmeno(2) : "n.d.");
    f.imposta(c.tegSenzaCms, e.tegSenzaCms);
    f.imposta(c.tassoCms, e.tassoCms);
    f.imposta(c.sogliaCms, e.sogliaCms);
    f.imposta(c.eccedenzaCms, e.eccedenza);
    f.imposta(c.margineInteressi, e.margine);
    f.imposta(c.esitoCms, e.esito);
    std::vector<std::string> avvisi;
    if (applicata && e.cmsMediaMancante) avvisi.emplace_back(kCmsMediaMancante);
    if (applicata && e.massimoScopertoMancante) avvisi.emplace_back(kMassimoScopertoMancante);
    return avvisi;
}

void azzeraVerificaCms(Finestra& f) {
    const auto& c = controlli<ControlliTeg>(f.schema());
    for (int id : {c.cmsMedia, c.tegSenzaCms, c.tassoCms, c.sogliaCms, c.eccedenzaCms, c.margineInteressi, c.esitoCms})
        f.imposta(id, "");
}

} // namespace vantrel
