#include "rates/soglia_ufficiale.h"

namespace vantrel {

SogliaUfficiale sogliaUfficiale(const RigaSerie& r, TipoMora tipo) {
    SogliaUfficiale s;
    s.riga = &r;
    s.regola = normaDelPeriodo(r.inizio);
    s.sogliaRegola = sogliaSecondoRegola(r.tegm, s.regola);
    s.tipoMora = tipo;
    s.mora = maggiorazioneMora(r.inizio, tipo);
    if (s.mora) s.sogliaMora = sogliaSecondoRegola(TassoEsatto{r.tegm.unita + s.mora->punti.unita, 0}, s.regola);
    return s;
}

SogliaUfficiale sogliaUfficiale(const RigaSerie& r) {
    return sogliaUfficiale(r, tipoMoraDiCategoria(r.categoria));
}

std::vector<VoceSoglia> vociSoglia(const SogliaUfficiale& s) {
    const RigaSerie& r = *s.riga;
    const std::string mora =
        s.mora ? s.mora->punti.testo() + " punti (" + nomeTipoMora(s.tipoMora) + ")" : kMoraNonPubblicata;
    return {
        {"periodo", "Periodo", r.inizio.testo() + " - " + r.fine.testo()},
        {"categoria", "Categoria", r.categoria},
        {"classe", "Classe di importo", r.classe},
        {"tegm", "TEGM", r.tegm.testo()},
        {"regola", "Regola", nomeNorma(s.regola) + ": " + formulaNorma(s.regola)},
        {"soglia_regola", "Tasso soglia secondo la regola", s.sogliaRegola.testoAlmeno(4)},
        {"soglia_pubblicata", "Tasso soglia pubblicato", r.soglia.testo()},
        {"maggiorazione_mora", "Maggiorazione interessi moratori", mora},
        {"soglia_mora", "Tasso soglia interessi moratori", s.sogliaMora ? s.sogliaMora->testoAlmeno(4) : ""},
        {"fonte", "Fonte", descrizioneFonte(r.fonte)},
        {"fonte_mora", "Fonte della maggiorazione", s.mora ? s.mora->fonte : ""},
    };
}

} // namespace vantrel
