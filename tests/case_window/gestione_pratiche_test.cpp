// The case commands of the File menu on real case files: a new case in a scratch file until it is
// saved under a name, the unsaved mark and the question on closing, the recent cases, a case
// opened twice, and a case held by another program.
#include "case_window/gestione_pratiche.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "support/ambiente.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// The desktop as the commands see it: the windows it was given, the last one in front.
struct Scrivania : OspitePratiche {
    std::vector<std::unique_ptr<FinestraPratica>> finestre;
    int primoPianoChiesti = 0;
    void mostra(std::unique_ptr<FinestraPratica> f) override { finestre.push_back(std::move(f)); }
    FinestraPratica* attiva() override { return finestre.empty() ? nullptr : finestre.back().get(); }
    bool primoPiano(const std::string& percorso) override {
        for (const auto& f : finestre)
            if (f->percorso() == percorso) return ++primoPianoChiesti > 0;
        return false;
    }
};

class GestionePraticheTest : public testing::Test, protected test::Ambiente {
protected:
    GestionePraticheTest() { ctx.servizi.bancheDati = &sqlite; }
    void cambiaCliente(FinestraPratica& f, const std::string& cliente) {
        f.incolla("Cliente", cliente);
        f.esci("Cliente");
    }

    BancheDatiSqlite sqlite;
    Scrivania scrivania;
    GestionePratiche g{ctx, scrivania, dir.file("programma")};
};

TEST_F(GestionePraticheTest, UnaPraticaNuovaSenzaNomeChiedePrimaDiChiudersi) {
    g.nuova();
    ASSERT_EQ(scrivania.finestre.size(), 1u);
    FinestraPratica& f = *scrivania.finestre[0];
    const std::string scratch = f.percorso();
    EXPECT_EQ(f.titolo(), "Pratica: Nuova pratica 1");
    EXPECT_TRUE(f.chiusuraConsentita()); // nothing in it yet
    cambiaCliente(f, "Ferramenta Bianchi S.n.c.");
    EXPECT_EQ(f.titolo(), "Pratica: Nuova pratica 1 *");

    risposte.aggiungi(Risposta::Annulla);
    EXPECT_FALSE(f.chiusuraConsentita());
    EXPECT_NE(risposte.mostrati().back().testo.find("\"Nuova pratica 1\" non è stata salvata"), std::string::npos);
    risposte.aggiungi(Risposta::Si); // then no name is given: the window stays
    EXPECT_FALSE(f.chiusuraConsentita());
    risposte.aggiungi(Risposta::No);
    EXPECT_TRUE(f.chiusuraConsentita());
    EXPECT_TRUE(fs::exists(scratch));
    scrivania.finestre.clear(); // closed without saving: the scratch file goes
    EXPECT_FALSE(fs::exists(scratch));
    EXPECT_TRUE(g.recenti().empty());
}

TEST_F(GestionePraticheTest, SalvataConNomeSiRiapreDaiRecentiFinCheIlFileCe) {
    g.nuova();
    g.nuova(); // a second new case takes the next number
    EXPECT_EQ(scrivania.finestre[1]->titolo(), "Pratica: Nuova pratica 2");
    FinestraPratica& f = *scrivania.finestre[1];
    cambiaCliente(f, "Rossi S.r.l.");
    const std::string scratch = f.percorso();
    risposte.aggiungi(dir.file("rossi")); // the extension is added
    g.salva();
    const std::string file = dir.file("rossi.vantrel");
    EXPECT_EQ(f.percorso(), file);
    EXPECT_EQ(f.titolo(), "Pratica: rossi");
    EXPECT_FALSE(f.modificata());
    EXPECT_FALSE(fs::exists(scratch));
    EXPECT_EQ(f.pratica().dato(dati_pratica::kCliente), "Rossi S.r.l.");
    cambiaCliente(f, "Rossi Mario S.r.l."); // written at once into the named file
    EXPECT_FALSE(f.modificata());
    EXPECT_TRUE(f.chiusuraConsentita());
    ASSERT_EQ(g.recenti().size(), 1u);
    EXPECT_EQ(g.recenti()[0], file);

    // "Salva con nome..." of a named case: a copy, and the window goes on with it.
    risposte.aggiungi(dir.file("rossi-copia.vantrel"));
    g.salvaConNome();
    EXPECT_EQ(f.titolo(), "Pratica: rossi-copia");
    EXPECT_EQ(g.recenti()[0], dir.file("rossi-copia.vantrel"));
    scrivania.finestre.clear();
    EXPECT_TRUE(fs::exists(file));

    // The next start of the program finds the list again, the most recent first.
    GestionePratiche dopo(ctx, scrivania, dir.file("programma"));
    ASSERT_EQ(dopo.recenti().size(), 2u);
    dopo.apriRecente(1);
    ASSERT_EQ(scrivania.finestre.size(), 1u);
    EXPECT_EQ(scrivania.finestre[0]->pratica().dato(dati_pratica::kCliente), "Rossi Mario S.r.l.");
    EXPECT_EQ(dopo.recenti()[0], file);
    dopo.apri(file); // already open: brought to the front
    EXPECT_EQ(scrivania.finestre.size(), 1u);
    EXPECT_EQ(scrivania.primoPianoChiesti, 1);

    // A recent case whose file is gone: said, and taken off the list.
    fs::remove(dir.file("rossi-copia.vantrel"));
    dopo.apriRecente(1);
    EXPECT_EQ(scrivania.finestre.size(), 1u);
    EXPECT_NE(risposte.mostrati().back().testo.find("Impossibile aprire la pratica"), std::string::npos);
    EXPECT_EQ(dopo.recenti(), std::vector<std::string>{file});
}

TEST_F(GestionePraticheTest, UnaPraticaTenutaDaUnAltroProgrammaSiApreInSolaLettura) {
    std::string errore;
    auto altro = Pratica::crea(sqlite, dir.file("tenuta.vantrel"), errore);
    ASSERT_TRUE(altro);
    BancheDatiSqlite secondo; // another program
    ctx.servizi.bancheDati = &secondo;
    ASSERT_TRUE(g.apri(dir.file("tenuta.vantrel")));
    FinestraPratica& f = *scrivania.finestre[0];
    EXPECT_EQ(f.titolo(), "Pratica: tenuta (sola lettura)");
    EXPECT_NE(risposte.mostrati().back().testo.find("si apre in sola lettura"), std::string::npos);
    for (const char* c : {"AggiungiMovimento", "ScegliMovimenti", "AggiungiCondizioni", "Cliente"})
        EXPECT_FALSE(f[c].abilitato) << c;
}

} // namespace
} // namespace vantrel
