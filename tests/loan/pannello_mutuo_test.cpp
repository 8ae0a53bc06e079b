#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/stampante_registrata.h"
#include "loan/ricerche_letterali.h"
#include "support/ambiente.h"
#include "support/finestra_mutuo.h"
#include "support/messaggio.h"
#include "support/stato_finestra.h"

#include <algorithm>
#include <cmath>
#include <sstream>

// GCC 12 warns wrongly about the string alternative of an answer holding a button.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <gtest/gtest.h>

namespace vantrel {
namespace {

class Mutuo : public testing::Test, protected test::Ambiente {
protected:
    Mutuo() { ctx.servizi.stampante = &stampante; }
    void metti(const char* campo, const std::string& testo) {
        t.incolla(campo, testo);
        t.esci(campo);
    }
    const std::string& campo(const char* nome) const { return t[nome].testo; }
    const std::vector<std::string>& piano() const { return t["LstPianoAmm"].voci; }

    std::ostringstream carta;
    StampanteRegistrata stampante{carta};
    test::FinestraMutuo t{ctx};
};

TEST_F(Mutuo, LeSpeseAlzanoIlTaeg) {
    metti("txtImporto", "100000");
    metti("txtNumRate", "120");
    metti("txtTasso", "6");
    metti("SpesaUT", "1000");
    metti("SpesaM", "5");
    t.clicca("CmdCalcola");
    EXPECT_EQ(campo("SpesaUT"), "1.000,00");
    EXPECT_EQ(campo("txtRata"), "1.115,21");
    const double atteso = *letterale::taeg(99000, 1115.21, 0.06, 12, 120);
    EXPECT_EQ(campo("TxtTaeg"), formatta(atteso, maschere::taeg));
    EXPECT_GT(atteso, 6.5);
}

TEST_F(Mutuo, RicavaOgniCifraMancanteDalleAltreTre) {
    metti("txtImporto", "100000");
    metti("txtNumRate", "120");
    metti("txtTasso", "6");
    t.clicca("CmdCalcola");

    // The rate, from an instalment that already holds the expense of an earlier calculation.
    t.incolla("txtTasso", "");
    t.clicca("CmdCalcola");
    const double tasso = letterale::tassoAnnuo(100000, 120, 12, 1110.21);
    EXPECT_EQ(campo("txtTasso"), testoNumero(std::trunc(tasso * 1000) / 1000));
    EXPECT_EQ(piano().size(), 131u);

    metti("txtTasso", "6");
    t.clicca("CmdCalcola");
    t.incolla("txtNumRate", "");
    t.clicca("CmdCalcola");
    EXPECT_EQ(campo("txtNumRate"), "120");

    t.incolla("txtImporto", "");
    t.clicca("CmdCalcola");
    EXPECT_EQ(campo("txtImporto"), "100.000,45");
    EXPECT_TRUE(risposte.mostrati().empty());
}

TEST_F(Mutuo, MostraIlMessaggioELasciaLaFinestraUsabile) {
    struct Caso {
        const char *importo, *rate, *tasso, *rata;
        const char* messaggio;
    };
    const Caso casi[] = {
        {"", "", "", "",
         "Ho bisogno di almeno 3 dei seguenti dati:\r\n\r\nImporto Mutuo\r\nNumero Rate\r\nTasso Annuo\r\nImporto "
         "Rata"},
        {"1000", "", "", "100,00", "Ho bisogno di uno dei seguenti dati:\r\n\r\nNumero Rate\r\nTasso Annuo"},
        {"100.000,00", "", "6", "500,00", "Calcolo impossibile, riprova con altri dati."}, // interest only
        {"1000", "12", "0", "", "Il tasso annuo deve essere diverso da zero."},
        {"1000", "0", "5", "", "Il numero delle rate deve essere diverso da zero."},
        {"0", "12", "", "100,00", "Il campo \"Importo Mutuo\" deve essere maggiore di zero."},
        {"1000", "12", "-5", "", "Il campo \"Tasso Annuo\" deve essere compreso tra 0 e 999,99."},
        {"1000", "-12", "5", "", "Il campo \"Numero Rate\" non può essere negativo."},
        {"abc", "12", "5", "", "Il campo \"Importo Mutuo\" non contiene un numero valido."},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.messaggio);
        risposte.dimentica();
        test::FinestraMutuo m(ctx);
        m.incolla("txtImporto", c.importo);
        m.incolla("txtNumRate", c.rate);
        m.incolla("txtTasso", c.tasso);
        test::stato(m, "txtRata").testo = c.rata;
        m.clicca("CmdCalcola");
        ASSERT_EQ(risposte.mostrati().size(), 1u);
        test::controllaMessaggio(risposte.mostrati()[0], {"ATTENZIONE", c.messaggio, Icona::Critica});
        EXPECT_TRUE(m["LstPianoAmm"].voci.empty());
        EXPECT_EQ(m["TxtTaeg"].testo, "") << "no TAEG of a refused loan";
        for (const char* f : {"txtImporto", "txtNumRate", "txtTasso", "txtRata", "TxtTaeg", "TotIntM", "totmutuo"})
            for (const char* brutto : {"inf", "nan", "INF", "NAN"})
                EXPECT_EQ(m[f].testo.find(brutto), std::string::npos) << f << ": " << m[f].testo;
        // A correct calculation still works afterwards.
        m.incolla("txtImporto", "10000");
        m.incolla("txtNumRate", "12");
        m.incolla("txtTasso", "5");
        m.clicca("CmdCalcola");
        EXPECT_EQ(m["LstPianoAmm"].voci.size(), 23u);
    }
}

TEST_F(Mutuo, ConUnaDataNonValidaNessunPianoEIlFuocoSullaData) {
    metti("txtImporto", "1000");
    metti("txtNumRate", "12");
    metti("txtTasso", "5");
    t.incolla("txtData", "1/1/2026");
    t.clicca("CmdCalcola");
    EXPECT_TRUE(piano().empty());
    EXPECT_EQ(t.fuoco(), t.id("txtData"));
    t.incolla("txtData", "");
    t.clicca("CmdCalcola");
    EXPECT_EQ(campo("txtData"), "15/03/2026");
    EXPECT_EQ(piano().size(), 23u);
}

TEST_F(Mutuo, RateDagliAnni) {
    t.clicca("Option1(2)");
    metti("anniX", "10");
    EXPECT_EQ(campo("txtNumRate"), "40");
    t.clicca("Option1(0)");
    EXPECT_EQ(campo("txtNumRate"), "120");
    EXPECT_FALSE(t["Option1(2)"].selezionato);
    metti("anniX", "2,5");
    EXPECT_EQ(campo("txtNumRate"), "24");
    metti("anniX", "2.5");
    EXPECT_EQ(campo("txtNumRate"), "30");
    metti("anniX", "");
    EXPECT_EQ(campo("txtNumRate"), "0");
    t.clicca("Option1(4)");
    metti("anniX", "0.25"); // half an instalment rounds to even
    EXPECT_EQ(campo("txtNumRate"), "0");
}

TEST_F(Mutuo, StampaIlPianoSuPagineDiCinquantadueRighe) {
    t.clicca("cmdStampa"); // nothing to print
    EXPECT_TRUE(risposte.mostrati().empty());
    metti("txtImporto", "10000");
    metti("txtNumRate", "100");
    metti("txtTasso", "5");
    t.clicca("CmdCalcola");
    ASSERT_EQ(piano().size(), 111u);
    t.clicca("cmdStampa"); // no answer: Cancel
    test::controllaMessaggio(risposte.mostrati().back(),
                             {"ATTENZIONE", "Accendi la Stampante, Inserisci la carta e clicca su OK.", Icona::Avviso,
                              Pulsanti::OkAnnulla, Risposta::Ok});
    EXPECT_EQ(carta.str(), "");
    risposte.aggiungi(Risposta::Ok);
    t.clicca("cmdStampa");
    const std::string ops = carta.str(), m = "\nriga      ";
    // Portrait whatever the document before it used.
    EXPECT_EQ(ops.rfind("orientamento verticale\nfont Courier New\ngrassetto si\ndimensione 12\nriga      " +
                            piano()[0] + "\n",
                        0),
              0u);
    // After 52 lines a new page starts with a blank and the two heading lines of the columns.
    EXPECT_NE(ops.find(m + piano()[51] + "\nnuova pagina\nriga  " + m + piano()[9] + m + piano()[10] + m + piano()[52] +
                       m + piano()[53]),
              std::string::npos);
    EXPECT_NE(
        ops.find(m + piano()[100] + "\nnuova pagina\nriga  " + m + piano()[9] + m + piano()[10] + m + piano()[101]),
        std::string::npos);
    EXPECT_TRUE(ops.ends_with(m + piano()[110] + "\nfine\n"));
    EXPECT_EQ(std::count(ops.begin(), ops.end(), '\n'), 4 + 111 + 2 * 4 + 1); // set-up, rows, two breaks, end
}

} // namespace
} // namespace vantrel
