// The panel "Ricalcolo" driven by control name over a real case file of the worked example: each
// change recalculates at once and stays in the case; what cannot be recalculated is said, never
// shown as a figure; the report and the workbook come out of the saved case.
#include "common/documento.h"
#include "common/stampante_registrata.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "recalculation/pannello_ricalcolo.h"
#include "support/ambiente.h"
#include "support/conto_ricalcolo.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vantrel {
namespace {

// A writer of `Scrittore` that keeps each `Scritto` it is given.
template <class Scrittore, class Scritto>
struct Registrato : Scrittore {
    std::vector<Scritto> scritti;
    std::string scrivi(const Scritto& s, const std::string&) override {
        scritti.push_back(s);
        return {};
    }
};

struct PdfRegistrati : StampantiPdf {
    std::ostringstream righe;
    std::unique_ptr<Stampante> apri(const std::string&) override {
        return std::make_unique<StampanteRegistrata>(righe);
    }
};

class PannelloTest : public testing::Test, protected test::Ambiente {
protected:
    void SetUp() override {
        test::caricaTassiEsempio(ctx.stato.tassi);
        test::praticaEsempio(sqlite, path, dir.cartella());
        ctx.servizi.odt = &odt;
        ctx.servizi.pdf = &pdf;
        ctx.servizi.xlsx = &xlsx;
        apri();
    }
    void apri() {
        w.reset();
        pratica.reset();
        std::string errore;
        pratica = Pratica::apri(sqlite, path, errore);
        ASSERT_TRUE(pratica) << errore;
        w = std::make_unique<PannelloRicalcolo>(*pratica, ctx, "9.9.9");
    }
    const std::string& t(const char* nome) const { return (*w)[nome].testo; }
    void data(const char* nome, const std::string& testo) {
        w->incolla(nome, testo);
        w->esci(nome);
    }
    void cifreDi(const std::string& caso) {
        const auto a = test::esitoAtteso(caso);
        const std::pair<const char*, const char*> cifre[] = {
            {"SaldoBancaFinale", "saldo banca"},   {"SaldoRideterminato", "saldo rideterminato"},
            {"DifferenzaRicalcolo", "differenza"}, {"Prescritto", "prescritto"},
            {"MinoreDebito", "minore debito"},     {"DaRestituire", "da restituire"}};
        for (const auto& [controllo, colonna] : cifre)
            EXPECT_EQ(t(controllo), a.at(colonna)) << caso << ", " << controllo << "; " << t("StatoRicalcolo");
    }

    BancheDatiSqlite sqlite;
    std::string path = dir.file("conto.vantrel");
    Registrato<ScrittoreOdt, Documento> odt;
    PdfRegistrati pdf;
    Registrato<ScrittoreXlsx, CartellaLavoro> xlsx;
    std::unique_ptr<Pratica> pratica;
    std::unique_ptr<PannelloRicalcolo> w;
};

TEST_F(PannelloTest, OgniSceltaRicalcolaSubitoEResta) {
    cifreDi("banca");
    w->seleziona("CmsRicalcolo", 1); // its figures: below, where a bad date leaves them
    EXPECT_TRUE(w->operator[]("CmsRicalcoloDal").abilitato);
    w->seleziona("CmsRicalcolo", 0);
    w->seleziona("TassiRicalcolo", 2);
    cifreDi("tassi-legale");
    w->seleziona("TassiRicalcolo", 0);
    w->clicca("Prescrizione");
    data("PrimaRichiesta", "20/05/2019");
    cifreDi("prescrizione");
    apri(); // the choices and the result are in the case
    EXPECT_TRUE((*w)["Prescrizione"].selezionato);
    EXPECT_EQ(t("PrimaRichiesta"), "20/05/2019");
    cifreDi("prescrizione");
    EXPECT_EQ((*w)["TabellaRicalcolo"].voci.size(), 8u);
}

TEST_F(PannelloTest, TassiInseritiDaUnGiorno) {
    w->seleziona("TassiRicalcolo", 1); // no rate entered yet: said, not recalculated
    EXPECT_NE(t("StatoRicalcolo").find("inserire almeno un tasso"), std::string::npos) << t("StatoRicalcolo");
    EXPECT_EQ(t("SaldoRideterminato"), "");
    for (const auto& [dal, debitore, creditore] :
         {std::tuple{"01/01/2010", "6", "0,5"}, std::tuple{"01/01/2009", "7", "1"}}) {
        w->incolla("TassoInseritoDal", dal);
        w->incolla("TassoInseritoDebitore", debitore);
        w->incolla("TassoInseritoCreditore", creditore);
        w->clicca("AggiungiTasso");
    }
    data("TassiRicalcoloDal", "15/02/2009");
    cifreDi("tassi-inseriti");
    EXPECT_EQ((*w)["TassiInseriti"].voci.front(), "dal 01/01/2009: debitore 7 %, creditore 1 %");
    w->seleziona("TassiInseriti", 1);
    w->clicca("EliminaTasso");
    EXPECT_EQ(pratica->scelteRicalcolo().tassiInseriti.size(), 1u);
}

TEST_F(PannelloTest, QuelloCheNonSiPuoLeggereOCheMancaEDetto) {
    w->seleziona("CmsRicalcolo", 1);
    data("CmsRicalcoloDal", "31/02/2009");
    EXPECT_EQ(t("StatoRicalcolo"), "Data non valida: 31/02/2009");
    cifreDi("cms-eliminata"); // the last result stays, and so do the choices kept
    EXPECT_FALSE(pratica->scelteRicalcolo().periodoCms.dal);
    data("CmsRicalcoloDal", "");
    w->clicca("Prescrizione");
    EXPECT_EQ(t("StatoRicalcolo"), "Indicare il giorno della prima richiesta");
    w->clicca("Prescrizione");
    w->seleziona("CmsRicalcolo", 2); // the CMS average of the 3rd quarter of 2009 is not in the table
    cifreDi("cms-soglia");
    EXPECT_NE(t("StatoRicalcolo").find("CMS media del 3° trimestre 2009 non disponibile"), std::string::npos);
    std::filesystem::remove(dir.file("bot-12-mesi-aste.csv"));
    apri();
    w->seleziona("TassiRicalcolo", 3);
    EXPECT_NE(t("StatoRicalcolo").find("le aste dei BOT dei dodici mesi prima non sono tutte nei dati"),
              std::string::npos)
        << t("StatoRicalcolo");
    EXPECT_EQ(t("SaldoRideterminato"), "");
    EXPECT_TRUE((*w)["TabellaRicalcolo"].voci.empty());
}

TEST_F(PannelloTest, RelazioneEExcelDallaPratica) {
    const std::string uscita = dir.file("uscita");
    for (const char* pulsante : {"RelazioneOdt", "RelazionePdf", "EsportaExcelRicalcolo"}) {
        risposte.aggiungi(uscita);
        w->clicca(pulsante);
    }
    ASSERT_EQ(odt.scritti.size(), 1u);
    std::string testo;
    for (const auto& e : odt.scritti[0].elementi)
        testo += e.testo + "\n";
    EXPECT_NE(testo.find("Saldo rideterminato: -2.440,98 euro"), std::string::npos);
    EXPECT_NE(testo.find("Relazione prodotta con Vantrel 9.9.9"), std::string::npos);
    EXPECT_NE(pdf.righe.str().find("riga Saldo rideterminato: -2.440,98 euro"), std::string::npos);
    ASSERT_EQ(xlsx.scritti.size(), 1u);
    const auto& fogli = xlsx.scritti[0].fogli;
    ASSERT_EQ(fogli.size(), 3u);
    EXPECT_EQ(fogli[0].nome, "Ricalcolo");
    EXPECT_EQ(fogli[0].totali.at(0).at(6).tipo, Cella::Tipo::Formula);
    EXPECT_EQ(fogli[0].totali.at(0).at(6).testo, "=SUM(G2:G9)");
}

} // namespace
} // namespace vantrel
