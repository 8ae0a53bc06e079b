#include "teg/riepilogo.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "reports/spazi.h"
#include "teg/teg_controlli.h"

namespace vantrel {
namespace {

constexpr std::size_t kColonna = 16;
const std::string kRigaTratteggio = "   ------------------------------------------------------------------------";

/// Centred on 30 characters by left padding only.
std::string centra(const std::string& s) {
    const std::size_t n = lunghezza(s);
    return (n < 30 ? std::string((30 - n) / 2, ' ') : std::string()) + s;
}

/// The formula of the calculation, once in words and once with the figures.
std::vector<std::string> formulaCalcolo(const Finestra& f, std::string_view maschera, const std::string& teg3) {
    const auto& c = controlli<ControlliTeg>(f.schema());
    const auto mascherato = [&](int id) { return std::string(togliSpazi(formattaTesto(f.testo(id), maschera))); };
    const auto nudo = [&](int id) { return std::string(togliSpazi(f.testo(id))); };
    // The days of the year times 100 the calculation used: 36.600 in a leap year.
    const std::string giorni = valNumero(f.testo(c.formulaGiorniAnno)) == 36600 ? "36.600" : "36.500";
    std::vector<std::string> r = {"  "};
    if (f[c.formulaSpese].visibile) {
        r.push_back("              " + giorni + " x Totale interessi           Totale spese x 100");
        r.push_back("   T.E.G. = ------------------------------  +  ------------------------");
        r.push_back("                   numeri debitori                   accordato");
        r.insert(r.end(), 4, "  ");
        r.push_back("          " + centra(giorni + " x " + mascherato(c.totaleInteressi)) + "      " +
                    centra(mascherato(c.totaleSpese) + " x 100"));
        r.push_back("   T.E.G. = --------------------------  +  ---------------------- = " + teg3);
        r.push_back("          " + centra(nudo(c.formulaNumeri)) + "           " + centra(nudo(c.fido)));
    } else {
        r.push_back("              " + giorni + " x Totale interessi + totale spese ");
        r.push_back("   T.E.G. = --------------------------------------------  ");
        r.push_back("                          numeri debitori ");
        r.insert(r.end(), 4, "  ");
        r.push_back("          " + centra(giorni + " x " + mascherato(c.formulaInteressi)));
        r.push_back("   T.E.G. = --------------------------  = " + teg3);
        r.push_back("          " + centra(nudo(c.formulaNumeri)));
        r.push_back("  ");
    }
    return r;
}

} // namespace

std::vector<std::string> riepilogoCalcolo(const Finestra& f, std::string_view maschera,
                                          const std::vector<std::string>& catenaSoglia) {
    const auto& c = controlli<ControlliTeg>(f.schema());
    const auto testo = [&](int id) -> const std::string& { return f.testo(id); };
    const auto cifra = [&](const std::string& x) { return allineaDestra(formattaTesto(x, maschera), kColonna); };
    const auto tasso = [&](const std::string& x) {
        return allineaDestra(formattaTesto(x, maschere::tassoMedia), kColonna);
    };
    const bool cmsInteressi = valNumero(testo(c.cmsInteressi)) != 0;
    const bool cmsSpese = valNumero(testo(c.cmsSpese)) != 0;
    const std::string spese =
        cmsSpese
            ? testoNumero(leggiNumero(testo(c.totaleSpese)).value_or(0) - leggiNumero(testo(c.cmsSpese)).value_or(0))
            : testo(c.totaleSpese);
    const std::string teg3 = formattaTesto(testo(c.teg), maschere::tassoMedia);

    std::vector<std::string> r = {
        " ",
        "  RIEPILOGO ELEMENTI CALCOLO T.E.G.",
        "  ",
        "   Periodo: dal " + testo(c.dataInizio) + "  al: " + testo(c.dataFine),
        "  ",
        "   Numeri debitori            " + cifra(testo(c.formulaNumeri)),
        "  ",
        "   Indebitamento medio        " + cifra(testo(c.indebitamentoMedio)),
        " ",
        "   Totale Interessi           " + cifra(testo(c.interessiDare)),
        " ",
        "   Commissioni Max scoperto   " + cifra(cmsInteressi ? testo(c.cmsInteressi) : testo(c.cmsSpese)),
        " ",
        "   Totale Spese               " + cifra(spese),
        kRigaTratteggio,
        "   T.E.G.                     " + tasso(testo(c.teg)),
        kRigaTratteggio,
        "  ",
        "   Formula calcolo T.E.G.",
        "  ",
    };
    const auto formula = formulaCalcolo(f, maschera, teg3);
    r.insert(r.end(), formula.begin(), formula.end());
    for (const char* l : {"  ", kRigaTratteggio.c_str(), "  "})
        r.push_back(l);
    // The threshold and the excess exact, as the rule gives them: never rounded by a mask.
    const auto esatto = [&](int id) { return allineaDestra(testo(id), kColonna); };
    r.push_back("                             Tasso soglia del periodo:  " + esatto(c.soglia));
    r.push_back("  ");
    r.push_back("                         T.E.G. calcolato nel periodo:  " + tasso(testo(c.teg)));
    r.push_back("  ");
    r.push_back("  Supero del TEG rispetto al Tasso soglia del periodo:  " + esatto(c.supero));
    for (const char* l : {"  ", kRigaTratteggio.c_str(), "  ", "  "})
        r.push_back(l);
    r.insert(r.end(), catenaSoglia.begin(), catenaSoglia.end());
    return r;
}

} // namespace vantrel
