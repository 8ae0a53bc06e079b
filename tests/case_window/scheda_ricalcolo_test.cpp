// The tab "Ricalcolo" of the case window on the recalculation's worked example (tools/ricalcolo_atteso.py):
// made only when shown, its figures and its grid following each choice, worked out again after the
// case changed, and following the case to the file "Salva con nome..." gives it.
#include "case_window/finestra_pratica.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "support/ambiente.h"
#include "support/conto_ricalcolo.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class SchedaRicalcoloTest : public testing::Test, protected test::Ambiente {
protected:
    void SetUp() override {
        ctx.servizi.bancheDati = &sqlite;
        test::caricaTassiEsempio(ctx.stato.tassi);
        test::praticaEsempio(sqlite, path, dir.cartella());
    }
    std::unique_ptr<FinestraPratica> apri(const std::string& file, bool nuova = false) {
        std::string errore;
        auto p = Pratica::apri(sqlite, file, errore);
        EXPECT_TRUE(p) << errore;
        return std::make_unique<FinestraPratica>(ctx, std::move(p), nuova, "Nuova pratica 1");
    }
    static void mostraRicalcolo(FinestraPratica& f) { f.seleziona("SchedePratica", kSchedaRicalcolo); }
    // The panel's figures and the grid's last period against the worked example's case.
    static void cifreDi(SchedaRicalcolo& s, const std::string& caso) {
        const auto a = test::esitoAtteso(caso);
        PannelloRicalcolo& p = *s.pannello();
        EXPECT_EQ(p["SaldoBancaFinale"].testo, a.at("saldo banca")) << caso << "; " << p["StatoRicalcolo"].testo;
        EXPECT_EQ(p["SaldoRideterminato"].testo, a.at("saldo rideterminato")) << caso;
        EXPECT_EQ(p["DaRestituire"].testo, a.at("da restituire")) << caso;
        ASSERT_EQ(s.tabella().righe(), 8u + 2u) << caso; // eight quarters, an empty row, the totals
        EXPECT_EQ(s.tabella().cella(7, 12), a.at("saldo banca")) << caso;
        EXPECT_EQ(s.tabella().cella(7, 13), a.at("saldo rideterminato")) << caso; // no interest kept apart
    }

    BancheDatiSqlite sqlite;
    std::string path = dir.file("conto.vantrel");
};

TEST_F(SchedaRicalcoloTest, FattaQuandoMostrataRifattaDopoUnaModificaEAOgniScelta) {
    auto f = apri(path);
    EXPECT_EQ(f->ricalcolo().pannello(), nullptr); // opening a case checks nothing
    mostraRicalcolo(*f);
    ASSERT_NE(f->ricalcolo().pannello(), nullptr);
    cifreDi(f->ricalcolo(), "banca");
    // A movement added makes the tab work out again; its undo while the tab is shown (Ctrl+Z) at once.
    f->seleziona("SchedePratica", kSchedaMovimenti);
    f->incolla("NuovaData", "15/06/2009");
    f->incolla("NuovoImporto", "-20000");
    f->incolla("NuovaDescrizione", "BONIFICO");
    f->clicca("AggiungiMovimento");
    mostraRicalcolo(*f);
    EXPECT_NE((*f->ricalcolo().pannello())["SaldoBancaFinale"].testo, test::esitoAtteso("banca").at("saldo banca"));
    f->clicca("AnnullaModifica");
    cifreDi(f->ricalcolo(), "banca");
    const std::tuple<const char*, int, const char*> scelte[] = {{"CmsRicalcolo", 1, "cms-eliminata"},
                                                                {"CmsRicalcolo", 0, "banca"},
                                                                {"UsuraRicalcolo", 1, "usura-trimestre"},
                                                                {"UsuraRicalcolo", 0, "banca"},
                                                                {"TassiRicalcolo", 2, "tassi-legale"}};
    for (const auto& [combo, voce, caso] : scelte) {
        f->ricalcolo().pannello()->seleziona(combo, voce);
        cifreDi(f->ricalcolo(), caso);
    }
    f = apri(path); // kept in the case
    mostraRicalcolo(*f);
    cifreDi(f->ricalcolo(), "tassi-legale");
}

TEST_F(SchedaRicalcoloTest, LaPraticaNuovaSegueIlSuoFileSalvato) {
    auto f = apri(path, true);
    EXPECT_FALSE(f->modificata());
    mostraRicalcolo(*f);
    EXPECT_TRUE(f->modificata()) << "the recalculation wrote the new case";
    const std::string copia = dir.file("salvata.vantrel");
    risposte.aggiungi(copia);
    ASSERT_TRUE(f->salva());
    f->ricalcolo().pannello()->seleziona("CmsRicalcolo", 1);
    cifreDi(f->ricalcolo(), "cms-eliminata");
    f = apri(copia);
    EXPECT_EQ(f->pratica().scelteRicalcolo().cms, ModoCms::Eliminata);
}

} // namespace
} // namespace vantrel
