#include "recalculation/fogli_ricalcolo.h"

#include "account/fogli_scalare.h"
#include "casefile/fogli_conto.h"
#include "casefile/scalare_pratica.h"

#include <algorithm>

namespace vantrel {
namespace {

Cella euro(Centesimi c) {
    return Cella::diNumero(static_cast<double>(c) / 100.0, Formato::Importo);
}

Cella data(const Data& d) {
    return Cella::diNumero(static_cast<double>(d.numero()), Formato::Data);
}

// The columns whose totals are summed: the charges, from the bank's to the recalculation's.
constexpr std::size_t kPrimaSomma = 2, kUltimaSomma = 11;

std::vector<ColonnaFoglio> colonne() {
    return {{"Dal", 11, Formato::Data},
            {"Al", 11, Formato::Data},
            {"Banca: interessi", 12, Formato::Importo},
            {"Banca: competenze", 12, Formato::Importo},
            {"Banca: commissioni", 12, Formato::Importo},
            {"Banca: spese", 12, Formato::Importo},
            {"Banca: totale", 12, Formato::Importo},
            {"Ricalcolo: interessi", 12, Formato::Importo},
            {"Ricalcolo: CMS", 12, Formato::Importo},
            {"Ricalcolo: commissioni", 12, Formato::Importo},
            {"Ricalcolo: spese", 12, Formato::Importo},
            {"Ricalcolo: totale", 12, Formato::Importo},
            {"Saldo banca", 14, Formato::Importo},
            {"Saldo ricalcolato", 14, Formato::Importo},
            {"Interessi a parte", 12, Formato::Importo},
            {"Differenza", 12, Formato::Importo},
            {"Note", 40, Formato::Generale}};
}

std::vector<Centesimi> importi(const RigaRicalcolo& x) {
    return {x.banca[0],        x.banca[1],          x.banca[2],   x.banca[3],
            x.totaleBanca(),   x.interessi,         x.cms,        x.commissioni,
            x.spese,           x.totaleRicalcolo(), x.saldoBanca, x.saldoRicalcolato,
            x.interessiAParte, x.differenza()};
}

} // namespace

Foglio foglioRicalcolo(const RicalcoloSalvato& r) {
    Foglio f;
    f.nome = "Ricalcolo";
    f.colonne = colonne();
    std::vector<Centesimi> somme(kUltimaSomma + 1, 0);
    for (const RigaRicalcolo& x : r.righe) {
        std::vector<Cella> riga = {data(x.dal), data(x.al)};
        const auto v = importi(x);
        for (std::size_t i = 0; i < v.size(); ++i) {
            riga.push_back(euro(v[i]));
            if (i + kPrimaSomma <= kUltimaSomma) somme[i + kPrimaSomma] += v[i];
        }
        riga.push_back(Cella::diTesto(x.nota));
        f.righe.push_back(std::move(riga));
        f.evidenziate.push_back(x.totaleBanca() > x.totaleRicalcolo());
    }
    if (f.righe.empty()) return f;
    std::vector<Cella> totali(f.colonne.size());
    totali[0] = Cella::diTesto("Totali");
    for (std::size_t c = kPrimaSomma; c <= kUltimaSomma; ++c)
        totali[c] = Cella::diFormula("=SUM(" + nomeCella(c, 1) + ":" + nomeCella(c, f.righe.size()) + ")",
                                     static_cast<double>(somme[c]) / 100.0, Formato::Importo);
    f.totali.push_back(std::move(totali));
    return f;
}

CartellaLavoro cartellaRicalcolo(const Pratica& p, const RicalcoloSalvato& r) {
    return {{foglioRicalcolo(r), foglioScalare(calcolaScalare(giorniPratica(p), p.condizioni(), opzioniPratica(p))),
             foglioMovimenti(p)}};
}

TabellaDocumento tabellaDaFoglio(const Foglio& f, const std::vector<std::string>& colonne) {
    std::vector<std::size_t> scelte;
    for (std::size_t c = 0; c < f.colonne.size(); ++c)
        if (colonne.empty() || std::find(colonne.begin(), colonne.end(), f.colonne[c].titolo) != colonne.end())
            scelte.push_back(c);
    TabellaDocumento t;
    for (std::size_t c : scelte) {
        t.intestazione.push_back(f.colonne[c].titolo);
        t.numeriche.push_back(f.colonne[c].formato == Formato::Importo || f.colonne[c].formato == Formato::Tasso ||
                              f.colonne[c].formato == Formato::Intero);
    }
    const auto riga = [&](const std::vector<Cella>& celle) {
        std::vector<std::string> testi;
        for (std::size_t c : scelte)
            testi.push_back(c < celle.size() ? testoCella(celle[c]) : "");
        return testi;
    };
    for (std::size_t r = 0; r < f.righe.size(); ++r) {
        t.righe.push_back(riga(f.righe[r]));
        t.evidenziate.push_back(false);
    }
    for (const auto& tot : f.totali) {
        t.righe.push_back(riga(tot));
        t.evidenziate.push_back(true);
    }
    return t;
}

} // namespace vantrel
