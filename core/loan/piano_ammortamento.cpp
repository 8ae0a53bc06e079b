#include "loan/piano_ammortamento.h"

#include "common/date.h"
#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "loan/formule_mutuo.h"

namespace vantrel {
namespace {

std::string F(double x) {
    return formatta(x, maschere::importoMutuo);
}
// Right-justified in `w` characters; a longer text loses its leftmost characters.
std::string R(const std::string& t, std::size_t w) {
    return tabulaDestra(t, w);
}

// The heading of the plan; its lines 6 and 7 take the totals as the rows add up.
std::vector<std::string> intestazione(const CampiPiano& campi, const std::string& rata, const std::string& spese) {
    return {" ",
            std::string(22, ' ') + "PIANO D'AMMORTAMENTO IN EURO",
            std::string(22, ' ') + "============================",
            " ",
            "     IMPORTO MUTUO          : " + R(formattaTesto(campi.txtImporto, maschere::importoMutuo), 16) +
                "   NUMERO RATE   : " + R(formattaTesto(campi.txtNumRate, maschere::intero), 3),
            "     RATA FISSA             : " + R(formattaTesto(rata, maschere::importoMutuo), 16) +
                "   TASSO ANNUALE : " + R(formattaTesto(campi.txtTasso, maschere::tasso3), 13),
            "     TOTALE SPESE           : " + R(spese, 16),
            " ",
            " ",
            "     N.   SCADENZA   Q.INTERESSI   Q.CAPITALE    SPESE   TOTALE RATA   DEB.RESIDUO   ",
            "     --- ---------- ------------- ------------ -------- ------------- ------------- "};
}

} // namespace

Piano pianoAmmortamento(const CampiPiano& campi, StatoMutuo& st) {
    Piano piano;
    const std::int16_t n = leggiIntero16(campi.txtNumRate).value_or(0);
    st.CapitaleRimborsato = 0;
    st.QuotaInteressi = 0;
    st.Rata = 0;
    double totInteressi = 0;
    double resto = 0;
    const double s = leggiNumero(campi.SpesaM).value_or(0);
    const double u = leggiNumero(campi.SpesaUT).value_or(0);
    const double p = leggiNumero(campi.txtImporto).value_or(0);
    const double numero = leggiNumero(campi.txtNumRate).value_or(0);

    st.Tasso = leggiNumero(campi.txtTasso).value_or(0);
    st.TassoPeriodo = st.Tasso / 100 / st.RatePerAnno;
    st.Rata = formulaRata(p, st.Tasso, st.RatePerAnno, numero);
    piano.txtRata = F(s + st.Rata);

    auto& r = piano.righe;
    r = intestazione(campi, piano.txtRata, F(s * n));

    for (int k = 1; k <= n; ++k) {
        st.QuotaInteressi = (p - st.CapitaleRimborsato) * st.TassoPeriodo;
        resto = resto + (st.QuotaInteressi - arrotondaEuro(st.QuotaInteressi));
        st.QuotaInteressi = arrotondaEuro(st.QuotaInteressi);
        if (resto > 0.01) { // a remainder of exactly one cent, or a negative one, changes nothing
            resto = resto - 0.01;
            st.QuotaInteressi = st.QuotaInteressi + 0.01;
        }
        if (k == numero) st.QuotaInteressi = st.Rata - (p - st.CapitaleRimborsato); // the last row closes the debt
        st.QuotaCapitale = st.Rata - arrotondaEuro(st.QuotaInteressi);
        if (p - st.CapitaleRimborsato < st.QuotaCapitale) {
            st.QuotaInteressi = st.QuotaCapitale - (p - st.CapitaleRimborsato) + st.QuotaInteressi;
            st.QuotaCapitale = st.Rata - arrotondaEuro(st.QuotaInteressi);
        }
        totInteressi = totInteressi + arrotondaEuro(st.QuotaInteressi);
        // The total is a sum of cent figures: round it on its decimal digits, so that a sum just below
        // a cent in binary (33225,2 is 33225,19999...) is not pushed up by a cent.
        const double totale = arrotonda(totInteressi, 2);
        const Data scadenza = aggiungiMesi(campi.erogazione, static_cast<std::int16_t>(k * st.MesiRata));
        r.push_back("     " + R(formatta(static_cast<double>(k), maschere::intero), 3) + " " + scadenza.testo() + "  " +
                    R(F(arrotondaEuro(st.QuotaInteressi)), 12) + " " + R(F(arrotondaEuro(st.QuotaCapitale)), 12) + " " +
                    R(F(arrotondaEuro(s)), 7) + " " + R(piano.txtRata, 12) + " " +
                    R(F(arrotondaEuro(p - (st.CapitaleRimborsato + st.QuotaCapitale))), 13));
        piano.rate.push_back({k, scadenza, arrotondaEuro(st.QuotaInteressi), arrotondaEuro(st.QuotaCapitale),
                              arrotondaEuro(s), arrotonda(s + st.Rata, 2),
                              arrotondaEuro(p - (st.CapitaleRimborsato + st.QuotaCapitale))});
        st.CapitaleRimborsato = arrotondaEuro(st.CapitaleRimborsato + st.QuotaCapitale);
        r[6] = "     TOTALE QUOTA INTERESSI : " + R(F(totale), 16) + "   TOTALE SPESE  : " + R(F(s * n), 12);
        r[7] = "     TOTALE GENERALE        : " + R(F(p + totale), 16) + "   SPESE INIZIALI: " + R(F(u), 12);
        piano.totmutuo = F(p + totale);
        piano.TotIntM = F(totale);
    }
    piano.TSpese = F(s * n);
    return piano;
}

} // namespace vantrel
