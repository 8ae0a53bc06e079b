#include "casefile/scalare_pratica.h"

namespace vantrel {

OpzioniScalare opzioniPratica(const Pratica& p) {
    OpzioniScalare o;
    o.saldoIniziale = leggiCentesimi(p.dato(dati_pratica::kSaldoIniziale)).value_or(0);
    o.dal = leggiData(p.dato(dati_pratica::kInizio));
    o.addebitiInseriti = p.addebitiInseriti();
    return o;
}

GiorniConto giorniPratica(const Pratica& p) {
    GiorniConto g(p.parole());
    p.movimenti([&](std::int64_t, const Movimento& m) { g.aggiungi(m); }, false);
    return g;
}

} // namespace vantrel
