#include "casefile/fogli_conto.h"

#include "common/file_sicuro.h"

#include <fstream>

namespace vantrel {
namespace {

Cella euro(std::int64_t centesimi) {
    return Cella::diNumero(static_cast<double>(centesimi) / 100.0, Formato::Importo);
}

Cella data(const Data& d) {
    return Cella::diNumero(static_cast<double>(d.numero()), Formato::Data);
}

} // namespace

Foglio foglioMovimenti(const Pratica& p) {
    Foglio f;
    f.nome = "Movimenti";
    f.colonne = {{"Data operazione", 11, Formato::Data},
                 {"Data valuta", 11, Formato::Data},
                 {"Descrizione", 50, Formato::Generale},
                 {"Importo", 14, Formato::Importo}};
    p.movimenti([&](std::int64_t, const Movimento& m) {
        f.righe.push_back({data(m.operazione), data(m.valuta), Cella::diTesto(m.descrizione), euro(m.importo)});
        f.evidenziate.push_back(false);
    });
    return f;
}

Foglio foglioRisultati(const std::vector<RisultatoPeriodo>& risultati) {
    Foglio f;
    f.nome = "Risultati";
    f.colonne = {{"Dal", 11, Formato::Data},
                 {"Al", 11, Formato::Data},
                 {"Numeri debitori", 16, Formato::Importo},
                 {"Massimo scoperto", 14, Formato::Importo},
                 {"Interessi", 12, Formato::Importo},
                 {"CMS", 10, Formato::Importo},
                 {"Commissioni", 12, Formato::Importo},
                 {"Spese", 10, Formato::Importo},
                 {"Addebiti banca", 12, Formato::Importo},
                 {"Differenza", 12, Formato::Importo},
                 {"TEG", 9, Formato::Tasso},
                 {"Tasso soglia", 10, Formato::Tasso},
                 {"Supero", 9, Formato::Tasso},
                 {"Note", 40, Formato::Generale}};
    for (const RisultatoPeriodo& r : risultati) {
        f.righe.push_back({data(r.dal), data(r.al), euro(r.numeriDebitori), euro(r.massimoScoperto), euro(r.interessi),
                           euro(r.cms), euro(r.commissioni), euro(r.spese), euro(r.addebitiBanca), euro(r.differenza),
                           Cella::daCampo(r.teg, Formato::Tasso), Cella::daCampo(r.soglia, Formato::Tasso),
                           Cella::daCampo(r.supero, Formato::Tasso), Cella::diTesto(r.messaggi)});
        f.evidenziate.push_back(!r.supero.empty());
    }
    return f;
}

std::string scriviCsvMovimenti(const Pratica& p, const std::string& path) {
    return sostituisciFile(path, [&](const std::string& nuovo) -> std::string {
        std::ofstream out(nuovo, std::ios::binary);
        out << "\xEF\xBB\xBF"
            << "Data operazione;Data valuta;Descrizione;Importo\r\n";
        std::string riga;
        p.movimenti([&](std::int64_t, const Movimento& m) {
            riga = m.operazione.testo() + ';' + m.valuta.testo() + ';';
            accodaCampoCsv(riga, m.descrizione);
            (riga += ';') += testoCentesimi(m.importo);
            out << riga << "\r\n";
        });
        out.flush();
        return out ? std::string() : "impossibile scrivere il file " + path;
    });
}

} // namespace vantrel
