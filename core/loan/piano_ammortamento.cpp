#include "loan/piano_ammortamento.h"

#include "common/date.h"
#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "loan/formule_mutuo.h"

#include <cmath>
#include <cstdint>

namespace vantrel {
namespace {

std::string cifraMutuo(double x) {
    return formatta(x, maschere::importoMutuo);
}
// Right-justified in `w` characters; a longer text loses its leftmost characters.
std::string aDestra(const std::string& t, std::size_t w) {
    return tabulaDestra(t, w);
}

// The heading of the plan; its lines 6 and 7 take the totals as the rows add up.
std::vector<std::string> intestazione(const CampiPiano& campi, const std::string& rata, const std::string& spese) {
    return {" ",
            std::string(22, ' ') + "PIANO D'AMMORTAMENTO IN EURO",
            std::string(22, ' ') + "============================",
            " ",
            "     IMPORTO MUTUO          : " + aDestra(formattaTesto(campi.importo, maschere::importoMutuo), 16) +
                "   NUMERO RATE   : " + aDestra(formattaTesto(campi.numeroRate, maschere::intero), 3),
            "     RATA FISSA             : " + aDestra(formattaTesto(rata, maschere::importoMutuo), 16) +
                "   TASSO ANNUALE : " + aDestra(formattaTesto(campi.tasso, maschere::tasso3), 13),
            "     TOTALE SPESE           : " + aDestra(spese, 16),
            " ",
            " ",
            "     N.   SCADENZA   Q.INTERESSI   Q.CAPITALE    SPESE   TOTALE RATA   DEB.RESIDUO   ",
            "     --- ---------- ------------- ------------ -------- ------------- ------------- "};
}

} // namespace

Piano pianoAmmortamento(const CampiPiano& campi, StatoMutuo& st) {
    Piano piano;
    const std::int16_t n = leggiIntero16(campi.numeroRate).value_or(0);
    st.capitaleRimborsato = 0;
    st.quotaInteressi = 0;
    st.rata = 0;
    std::int64_t centesimiInteressi = 0; // the interest column added up in whole cents
    double resto = 0;
    const double s = leggiNumero(campi.spesePerRata).value_or(0);
    const double u = leggiNumero(campi.speseIniziali).value_or(0);
    const double p = leggiNumero(campi.importo).value_or(0);
    const double numero = leggiNumero(campi.numeroRate).value_or(0);

    st.tasso = leggiNumero(campi.tasso).value_or(0);
    st.tassoPeriodo = st.tasso / 100 / st.ratePerAnno;
    st.rata = formulaRata(p, st.tasso, st.ratePerAnno, numero);
    piano.rata = cifraMutuo(s + st.rata);

    auto& r = piano.righe;
    r = intestazione(campi, piano.rata, cifraMutuo(s * n));

    for (int k = 1; k <= n; ++k) {
        st.quotaInteressi = (p - st.capitaleRimborsato) * st.tassoPeriodo;
        resto = resto + (st.quotaInteressi - arrotondaEuro(st.quotaInteressi));
        st.quotaInteressi = arrotondaEuro(st.quotaInteressi);
        if (resto > 0.01) { // a remainder of exactly one cent, or a negative one, changes nothing
            resto = resto - 0.01;
            st.quotaInteressi = st.quotaInteressi + 0.01;
        }
        if (k == numero) st.quotaInteressi = st.rata - (p - st.capitaleRimborsato); // the last row closes the debt
        st.quotaCapitale = st.rata - arrotondaEuro(st.quotaInteressi);
        if (p - st.capitaleRimborsato < st.quotaCapitale) {
            st.quotaInteressi = st.quotaCapitale - (p - st.capitaleRimborsato) + st.quotaInteressi;
            st.quotaCapitale = st.rata - arrotondaEuro(st.quotaInteressi);
        }
        // Added in whole cents: thousands of rows of millions, added in binary, stray by a cent.
        centesimiInteressi += std::llround(arrotondaEuro(st.quotaInteressi) * 100);
        const double totale = static_cast<double>(centesimiInteressi) / 100;
        const Data scadenza = aggiungiMesi(campi.erogazione, static_cast<std::int16_t>(k * st.mesiRata));
        r.push_back("     " + aDestra(formatta(static_cast<double>(k), maschere::intero), 3) + " " + scadenza.testo() +
                    "  " + aDestra(cifraMutuo(arrotondaEuro(st.quotaInteressi)), 12) + " " +
                    aDestra(cifraMutuo(arrotondaEuro(st.quotaCapitale)), 12) + " " +
                    aDestra(cifraMutuo(arrotondaEuro(s)), 7) + " " + aDestra(piano.rata, 12) + " " +
                    aDestra(cifraMutuo(arrotondaEuro(p - (st.capitaleRimborsato + st.quotaCapitale))), 13));
        piano.rate.push_back({k, scadenza, arrotondaEuro(st.quotaInteressi), arrotondaEuro(st.quotaCapitale),
                              arrotondaEuro(s), arrotonda(s + st.rata, 2),
                              arrotondaEuro(p - (st.capitaleRimborsato + st.quotaCapitale))});
        st.capitaleRimborsato = arrotondaEuro(st.capitaleRimborsato + st.quotaCapitale);
        r[6] = "     TOTALE QUOTA INTERESSI : " + aDestra(cifraMutuo(totale), 16) +
               "   TOTALE SPESE  : " + aDestra(cifraMutuo(s * n), 12);
        r[7] = "     TOTALE GENERALE        : " + aDestra(cifraMutuo(p + totale), 16) +
               "   SPESE INIZIALI: " + aDestra(cifraMutuo(u), 12);
        piano.totaleMutuo = cifraMutuo(p + totale);
        piano.totaleInteressi = cifraMutuo(totale);
    }
    piano.totaleSpese = cifraMutuo(s * n);
    return piano;
}

} // namespace vantrel
