#include "loan/fogli_piano.h"

#include <array>

namespace vantrel {

CartellaLavoro cartellaPiano(const Piano& piano, const DatiMutuo& dati) {
    Foglio f;
    f.nome = "Piano d'ammortamento";
    f.colonne = {{"N.", 5, Formato::Intero},
                 {"Scadenza", 11, Formato::Data},
                 {"Quota interessi", 14, Formato::Importo},
                 {"Quota capitale", 14, Formato::Importo},
                 {"Spese", 10, Formato::Importo},
                 {"Totale rata", 14, Formato::Importo},
                 {"Debito residuo", 15, Formato::Importo}};
    std::array<double, 4> somme{};
    for (const RataPiano& r : piano.rate) {
        f.righe.push_back({Cella::diNumero(r.numero, Formato::Intero),
                           Cella::diNumero(static_cast<double>(r.scadenza.numero()), Formato::Data),
                           Cella::diNumero(r.interessi, Formato::Importo),
                           Cella::diNumero(r.capitale, Formato::Importo), Cella::diNumero(r.spese, Formato::Importo),
                           Cella::diNumero(r.totale, Formato::Importo), Cella::diNumero(r.residuo, Formato::Importo)});
        for (std::size_t k = 0; k < somme.size(); ++k)
            somme[k] += f.righe.back()[k + 2].numero;
    }
    f.evidenziate.assign(f.righe.size(), false);
    if (!f.righe.empty()) {
        std::vector<Cella> totali(6);
        totali[1] = Cella::diTesto("Totale");
        for (std::size_t k = 0; k < somme.size(); ++k)
            totali[k + 2] =
                Cella::diFormula("=SUM(" + nomeCella(k + 2, 1) + ":" + nomeCella(k + 2, f.righe.size()) + ")", somme[k],
                                 Formato::Importo);
        f.totali.push_back(std::move(totali));
    }

    static constexpr std::array<std::pair<const char*, Formato>, 12> kVoci = {{{"Importo mutuo", Formato::Importo},
                                                                               {"Data erogazione", Formato::Data},
                                                                               {"Scadenza", Formato::Generale},
                                                                               {"Numero rate", Formato::Intero},
                                                                               {"Tasso annuo %", Formato::Tasso},
                                                                               {"Importo rata", Formato::Importo},
                                                                               {"Spese iniziali", Formato::Importo},
                                                                               {"Spese per rata", Formato::Importo},
                                                                               {"T.A.E.G. %", Formato::Tasso},
                                                                               {"Totale interessi", Formato::Importo},
                                                                               {"Totale mutuo", Formato::Importo},
                                                                               {"Totale spese", Formato::Importo}}};
    Foglio m;
    m.nome = "Dati del mutuo";
    m.colonne = {{"Voce", 20, Formato::Generale}, {"Valore", 16, Formato::Generale}};
    for (std::size_t k = 0; k < kVoci.size() && k < dati.size(); ++k) {
        Cella valore = Cella::diTesto(dati[k]);
        if (kVoci[k].second == Formato::Data) {
            if (const auto d = leggiData(dati[k]))
                valore = Cella::diNumero(static_cast<double>(d->numero()), Formato::Data);
        } else if (kVoci[k].second != Formato::Generale) {
            if (Cella c = Cella::daCampo(dati[k], kVoci[k].second); c.tipo != Cella::Tipo::Vuota) valore = c;
        }
        m.righe.push_back({Cella::diTesto(kVoci[k].first), valore});
    }
    m.evidenziate.assign(m.righe.size(), false);
    return {{std::move(f), std::move(m)}};
}

} // namespace vantrel
