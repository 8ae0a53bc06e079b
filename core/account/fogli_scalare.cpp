#include "account/fogli_scalare.h"

namespace vantrel {
namespace {

Cella euro(std::int64_t centesimi) {
    return Cella::diNumero(static_cast<double>(centesimi) / 100.0, Formato::Importo);
}

Cella intero(long n) {
    return Cella::diNumero(static_cast<double>(n), Formato::Intero);
}

Cella data(const Data& d) {
    return Cella::diNumero(static_cast<double>(d.numero()), Formato::Data);
}

// The columns after which the charges start: their totals are summed below.
constexpr std::size_t kPrimaCompetenza = 13;

std::vector<ColonnaFoglio> colonne() {
    return {{"Dal", 11, Formato::Data},
            {"Al", 11, Formato::Data},
            {"Giorni", 7, Formato::Intero},
            {"Saldo iniziale", 14, Formato::Importo},
            {"Saldo finale", 14, Formato::Importo},
            {"Numeri entro fido", 16, Formato::Importo},
            {"Numeri extrafido", 16, Formato::Importo},
            {"Numeri creditori", 16, Formato::Importo},
            {"Massimo scoperto", 14, Formato::Importo},
            {"Giorni a debito", 8, Formato::Intero},
            {"Giorni oltre fido", 8, Formato::Intero},
            {"Sconfinamenti", 8, Formato::Intero},
            {"Operazioni", 8, Formato::Intero},
            {"Interessi debitori", 12, Formato::Importo},
            {"Interessi extrafido", 12, Formato::Importo},
            {"Interessi creditori", 12, Formato::Importo},
            {"Ritenuta", 10, Formato::Importo},
            {"CMS", 10, Formato::Importo},
            {"Commissione fido", 12, Formato::Importo},
            {"Commissione sconfinamento", 12, Formato::Importo},
            {"Spese operazioni", 12, Formato::Importo},
            {"Spese fisse", 10, Formato::Importo},
            {"Banca: interessi", 12, Formato::Importo},
            {"Banca: competenze", 12, Formato::Importo},
            {"Banca: commissioni", 12, Formato::Importo},
            {"Banca: spese", 12, Formato::Importo},
            {"Differenza", 12, Formato::Importo}};
}

std::vector<Cella> riga(const PeriodoScalare& p) {
    const Competenze& k = p.calcolate;
    std::vector<Cella> r = {data(p.dal),
                            data(p.al),
                            intero(p.giorni),
                            euro(p.saldoIniziale),
                            euro(p.saldoFinale),
                            euro(p.numeriEntroFido),
                            euro(p.numeriExtrafido),
                            euro(p.numeriCreditori),
                            euro(p.massimoScoperto),
                            intero(p.giorniADebito),
                            intero(p.giorniOltreFido),
                            intero(p.sconfinamenti),
                            intero(p.operazioni),
                            euro(k.interessiDebitori),
                            euro(k.interessiExtrafido),
                            euro(k.interessiCreditori),
                            euro(k.ritenuta),
                            euro(k.cms),
                            euro(k.commissioneFido),
                            euro(k.commissioneSconfinamento),
                            euro(k.speseOperazioni),
                            euro(k.speseFisse)};
    for (Centesimi b : p.banca)
        r.push_back(euro(b));
    r.push_back(euro(p.differenza()));
    return r;
}

} // namespace

Foglio foglioScalare(const RisultatoScalare& r) {
    Foglio f;
    f.nome = "Scalare";
    f.colonne = colonne();
    for (const PeriodoScalare& p : r.periodi) {
        f.righe.push_back(riga(p));
        f.evidenziate.push_back(p.differenza() < 0);
    }
    if (f.righe.empty()) return f;
    std::vector<Cella> totali(f.colonne.size());
    totali[0] = Cella::diTesto("Totali");
    for (std::size_t c = kPrimaCompetenza; c < f.colonne.size(); ++c) {
        double somma = 0;
        for (const auto& riga : f.righe)
            somma += riga[c].numero;
        totali[c] = Cella::diFormula("=SUM(" + nomeCella(c, 1) + ":" + nomeCella(c, f.righe.size()) + ")", somma,
                                     Formato::Importo);
    }
    f.totali.push_back(std::move(totali));
    return f;
}

} // namespace vantrel
