#include "rates/serie_ufficiale.h"

#include "common/testo.h"
#include "rates/parole_categoria.h"

#include <algorithm>
#include <unordered_map>

namespace vantrel {
namespace {

Data fineTrimestre(const Data& d) {
    const int mese = d.trimestre() * 3;
    return Data{d.anno, mese, giorniNelMese(d.anno, mese)};
}

} // namespace

std::string descrizioneFonte(const std::string& fonte) {
    if (fonte == "bdi-serie") return "Banca d'Italia, serie storica dei TEGM (TEGM_serie_storica.zip)";
    if (fonte == "bdi-comunicato") return "Banca d'Italia, comunicato stampa trimestrale";
    if (fonte == "decreto-mef") return "decreto trimestrale del Ministero dell'economia e delle finanze";
    return fonte;
}

SerieUfficiale::SerieUfficiale(std::vector<RigaSerie> righe) : righe_(std::move(righe)) {
    std::stable_sort(righe_.begin(), righe_.end(),
                     [](const RigaSerie& a, const RigaSerie& b) { return a.inizio.numero() < b.inizio.numero(); });
    std::unordered_map<std::string, std::size_t> indice;
    nomeRiga_.reserve(righe_.size());
    for (std::size_t i = 0; i < righe_.size(); ++i) {
        const RigaSerie& r = righe_[i];
        if (periodi_.empty() || periodi_.back().inizio != r.inizio)
            periodi_.push_back(PeriodoSerie{r.inizio, r.fine, r.fine, i, i});
        periodi_.back().oltre = i + 1;
        const auto [it, nuovo] = indice.try_emplace(r.categoria, nomi_.size());
        if (nuovo)
            nomi_.push_back(
                NomeCategoria{r.categoria, radiciParole(r.categoria, false), radiciParole(r.categoria, true)});
        nomeRiga_.push_back(it->second);
    }
    for (std::size_t p = 0; p < periodi_.size(); ++p) {
        PeriodoSerie& q = periodi_[p];
        Data fine = std::max(q.fine, fineTrimestre(q.inizio));
        if (p + 1 < periodi_.size()) fine = std::min(fine, aggiungiGiorni(periodi_[p + 1].inizio, -1));
        q.fineEffettiva = std::max(fine, q.fine);
    }
}

const PeriodoSerie* SerieUfficiale::periodo(const Data& d) const {
    const long n = d.numero();
    auto it = std::upper_bound(periodi_.begin(), periodi_.end(), n,
                               [](long x, const PeriodoSerie& p) { return x < p.inizio.numero(); });
    if (it == periodi_.begin()) return nullptr;
    --it;
    return n <= it->fineEffettiva.numero() ? &*it : nullptr;
}

std::vector<CategoriaInVigore> SerieUfficiale::categorie(const Data& d) const {
    std::vector<CategoriaInVigore> out;
    const PeriodoSerie* p = periodo(d);
    if (!p) return out;
    std::vector<std::size_t> nomi;
    for (std::size_t i = p->prima; i < p->oltre; ++i) {
        const auto it = std::find(nomi.begin(), nomi.end(), nomeRiga_[i]);
        if (it == nomi.end()) {
            nomi.push_back(nomeRiga_[i]);
            out.push_back(CategoriaInVigore{righe_[i].categoria, {}});
        }
        out[static_cast<std::size_t>(std::find(nomi.begin(), nomi.end(), nomeRiga_[i]) - nomi.begin())]
            .classi.push_back(&righe_[i]);
    }
    return out;
}

RicercaSerie SerieUfficiale::cerca(const Data& d, std::string_view parole, std::optional<double> importo,
                                   Valuta valuta) const {
    RicercaSerie out;
    const PeriodoSerie* p = periodo(d);
    if (!p) {
        out.errore = "la serie ufficiale non ha tassi per il " + d.testo();
        return out;
    }
    const std::vector<std::string> cercate = radiciParole(parole, true);
    if (cercate.empty()) {
        out.errore = "indicare la categoria dell'operazione";
        return out;
    }
    // Every category that has all the words; of several, the one said in full, if there is one.
    std::vector<std::size_t> trovate, esatte;
    for (std::size_t i = p->prima; i < p->oltre; ++i) {
        const std::size_t n = nomeRiga_[i];
        if (std::find(trovate.begin(), trovate.end(), n) != trovate.end()) continue;
        const int scarto = nomi_[n].radiciConNote == cercate ? 0 : scartoParole(cercate, nomi_[n].radici);
        if (scarto < 0) continue;
        trovate.push_back(n);
        if (scarto == 0) esatte.push_back(n);
    }
    const std::vector<std::size_t>& migliori = esatte.size() == 1 ? esatte : trovate;
    if (migliori.empty()) {
        out.errore = "nessuna categoria in vigore il " + d.testo() + " corrisponde a " + citazione(parole);
        return out;
    }
    if (migliori.size() > 1) {
        out.errore = citazione(parole) + " corrisponde a più categorie in vigore il " + d.testo() + ":";
        for (std::size_t k = 0; k < migliori.size(); ++k)
            out.errore += (k ? "; " : " ") + nomi_[migliori[k]].nome;
        return out;
    }
    CategoriaInVigore trovata{nomi_[migliori[0]].nome, {}};
    for (std::size_t i = p->prima; i < p->oltre; ++i)
        if (nomeRiga_[i] == migliori[0]) trovata.classi.push_back(&righe_[i]);
    return classeDellaCategoria(trovata, importo, valuta);
}

RicercaSerie classeDellaCategoria(const CategoriaInVigore& c, std::optional<double> importo, Valuta valuta) {
    RicercaSerie out;
    out.classi = c.classi;
    if (out.classi.size() == 1 && (!importo || !out.classi[0]->limiti.riconosciuta)) {
        out.riga = out.classi[0];
        return out;
    }
    if (!importo) {
        out.errore = "la categoria \"" + c.nome + "\" ha " + std::to_string(out.classi.size()) +
                     " classi di importo: indicare l'importo";
        return out;
    }
    for (const RigaSerie* r : out.classi)
        if (r->limiti.contiene(*importo, valuta)) {
            out.riga = r;
            return out;
        }
    out.errore = "nessuna classe della categoria \"" + c.nome + "\" comprende l'importo indicato";
    return out;
}

} // namespace vantrel
