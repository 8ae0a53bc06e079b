#include "teg/categoria_conto.h"

#include "rates/tipi_operazione.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr LimiteClasse k1500{1500, 2'904'405};
constexpr LimiteClasse k5000{5000, 10'000'000};
constexpr LimiteClasse k50000{50000, 96'813'500};
constexpr LimiteClasse k100000{100000, 193'627'000};
constexpr LimiteClasse k200000{200000, 387'254'000};
constexpr Data kInizio{1997, 1, 1};

} // namespace

const std::vector<CategoriaConto>& categorieConto() {
    // Overdrafts without a credit line have their own class limit from 01/01/2010; advances three
    // classes from 01/04/2010, with new limits from 01/04/2017.
    static const std::vector<CategoriaConto> categorie = {
        {"Conto Corrente", "Aperture di credito in conto corrente", {1, 2, 0}, {{kInizio, {k5000}}}, false},
        {"Conto senza affidamento",
         "Scoperti senza affidamento",
         {7, 8, 0},
         {{kInizio, {k5000}}, {{2010, 1, 1}, {k1500}}},
         true},
        {"Conto anticipi",
         "Anticipi, sconti commerciali e finanziamenti alle imprese",
         {3, 4, 6},
         {{kInizio, {k5000}}, {{2010, 4, 1}, {k5000, k100000}}, {{2017, 4, 1}, {k50000, k200000}}},
         false},
    };
    return categorie;
}

const CategoriaConto& categoriaConto(int voce) {
    const auto& c = categorieConto();
    return voce >= 0 && static_cast<std::size_t>(voce) < c.size() ? c[static_cast<std::size_t>(voce)] : c.front();
}

int voceCategoria(const CategoriaConto& c) {
    return static_cast<int>(&c - categorieConto().data());
}

std::vector<LimitiClasse> CategoriaConto::classi(const Data& inizio, Valuta valuta) const {
    const LimitiDal* inVigore = &limiti.front();
    for (const LimitiDal& l : limiti)
        if (!(inizio < l.dal)) inVigore = &l;
    std::vector<double> superiori;
    for (const LimiteClasse& l : inVigore->limiti)
        superiori.push_back(valuta == Valuta::Lire ? l.lire : l.euro);
    return classiDaiLimiti(superiori, valuta);
}

int CategoriaConto::classe(double accordato, const Data& inizio, Valuta valuta) const {
    // The classes cover every amount; a negative one goes with the first.
    return std::max(1, classeDi(classi(inizio, valuta), accordato, valuta));
}

int CategoriaConto::classiGriglia() const {
    return voci[2] != 0 ? 3 : 2;
}

std::string CategoriaConto::voceTasso(int classe) const {
    if (classe < 1 || classe > 3 || voci[static_cast<std::size_t>(classe - 1)] == 0) return {};
    return "TM" + std::to_string(voci[static_cast<std::size_t>(classe - 1)]);
}

std::string CategoriaConto::categoriaUfficiale(const SerieUfficiale& s, const Data& d) const {
    for (const TipoOperazione& t : tipiOperazione())
        if (t.nome == tipo)
            for (const CategoriaInVigore& c : s.categorie(d))
                if (t.comprende(c.nome)) return c.nome;
    return {};
}

} // namespace vantrel
