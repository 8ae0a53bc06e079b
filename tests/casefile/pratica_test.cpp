// The case file on a real SQLite file: what is kept, who may write, what is refused, and undo.
#include "casefile/modifiche_movimenti.h"
#include "casefile/pratica.h"
#include "casefile/schema_pratica.h"
#include "common/righe_csv.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vantrel {
namespace {

class PraticaTest : public testing::Test {
protected:
    std::unique_ptr<Pratica> crea() {
        std::string errore;
        auto p = Pratica::crea(sqlite, path, errore);
        EXPECT_EQ(errore, "");
        return p;
    }
    std::unique_ptr<Pratica> apri(std::string* errore = nullptr) {
        std::string e;
        return Pratica::apri(sqlite, path, errore ? *errore : e);
    }
    std::vector<Movimento> movimenti(const Pratica& p) {
        std::vector<Movimento> v;
        p.movimenti([&](std::int64_t, const Movimento& m) { v.push_back(m); });
        return v;
    }
    ImportazioneMovimenti importa(Pratica& p, const std::string& csv, bool conferma) {
        std::istringstream in(csv);
        RigheCsv righe(in);
        return p.importaMovimenti(righe, [&](std::size_t) { return conferma; });
    }

    test::CartellaTemporanea dir;
    std::string path = dir.file("conto.vantrel");
    BancheDatiSqlite sqlite;
};

const Movimento kM1{{2010, 1, 4}, {2010, 1, 2}, "BONIFICO", -90000};
const Movimento kM2{{2010, 1, 5}, {2010, 1, 5}, "VERSAMENTO", 60000};

TEST_F(PraticaTest, OgniDatoRestaNelFile) {
    {
        auto p = crea();
        std::int64_t id = 0;
        EXPECT_EQ(p->impostaDato(dati_pratica::kCliente, "Rossi S.r.l."), "");
        EXPECT_EQ(p->aggiungiMovimento(kM1, id), "");
        EXPECT_EQ(p->impostaCondizioni({{.dal = {2009, 10, 1}, .fido = 1000000, .ritenuta = 270000}}), "");
        EXPECT_EQ(p->aggiungiNota({2026, 3, 15}, "sentita la banca"), "");
        TabellaTassi t;
        t.numPeriodi = 1;
        t.slot(1).periodo = "12010";
        t.slot(1).TM[1] = 9.5f;
        RisultatoPeriodo r{{2010, 1, 1}, {2010, 3, 31}, 123, 4, 5, 6, 7, 8, 9, 10, "1,5", "12", "", "riga", ""};
        EXPECT_EQ(p->salvaRisultati({r}, t, {2026, 3, 15}), "");
    }
    auto p = apri();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->dato(dati_pratica::kCliente), "Rossi S.r.l.");
    EXPECT_EQ(p->dato(dati_pratica::kRicalcolo), "15/03/2026");
    EXPECT_EQ(movimenti(*p), std::vector<Movimento>{kM1});
    ASSERT_EQ(p->condizioni().size(), 1u);
    EXPECT_EQ(p->condizioni()[0].ritenuta, 270000);
    EXPECT_EQ(p->note()[0].testo, "sentita la banca");
    TabellaTassi t;
    ASSERT_TRUE(p->caricaTassi(t));
    EXPECT_EQ(t.slot(1).TM[1], 9.5f);
    EXPECT_EQ(p->risultati()[0].differenza, 10);
}

TEST_F(PraticaTest, SecondoProgrammaInSolaLettura) {
    auto primo = crea();
    auto secondo = apri();
    ASSERT_TRUE(secondo);
    EXPECT_TRUE(secondo->soloLettura());
    EXPECT_EQ(secondo->avviso(),
              "La pratica " + path + " è già aperta in un altro programma: si apre in sola lettura.");
    EXPECT_NE(secondo->impostaDato("x", "y"), "");
    std::int64_t id = 0;
    EXPECT_EQ(primo->aggiungiMovimento(kM1, id), ""); // the first still writes, the second reads it
    EXPECT_EQ(secondo->numeroMovimenti(), 1u);
    primo.reset();
    secondo.reset();
    EXPECT_FALSE(apri()->soloLettura());
}

TEST_F(PraticaTest, FileCheNonSonoPratiche) {
    std::string errore;
    test::scriviTesto(path, "Data;Importo\n");
    EXPECT_FALSE(apri(&errore));
    EXPECT_EQ(errore, path + ": il file non è una pratica di Vantrel");
    std::filesystem::remove(path);
    crea().reset();
    {
        auto db = sqlite.apri(path, ModoApertura::Modifica);
        db->esegui("INSERT INTO versioni VALUES (99, 'futuro')");
    }
    EXPECT_FALSE(apri(&errore));
    EXPECT_EQ(errore, path + ": la pratica è stata salvata da una versione più recente del programma: aggiornarlo");
    EXPECT_FALSE(Pratica::crea(sqlite, path, errore));
    EXPECT_EQ(errore, "impossibile creare la pratica " + path + ": il file esiste già");
}

// A file of the first schema opens in the current one with its data.
TEST_F(PraticaTest, MigrazioneDaOgniVersione) {
    const auto& passi = migrazioniPratica();
    for (std::size_t da = 1; da < passi.size(); ++da) {
        std::filesystem::remove(path);
        {
            auto db = sqlite.apri(path, ModoApertura::Crea);
            aggiornaSchema(*db, std::vector<Migrazione>(passi.begin(), passi.begin() + static_cast<long>(da)));
            db->esegui("INSERT INTO movimenti VALUES (1, 40182, 40180, 'BONIFICO', -90000)");
        }
        auto p = apri();
        ASSERT_TRUE(p) << da;
        EXPECT_EQ(versioneSchema(*sqlite.apri(path, ModoApertura::Lettura)), passi.back().versione);
        EXPECT_EQ(movimenti(*p), std::vector<Movimento>{kM1});
    }
}

TEST_F(PraticaTest, ImportazioneTuttoONiente) {
    auto p = crea();
    const std::string file = "Data;Valuta;Descrizione;Importo\n04/01/2010;02/01/2010;BONIFICO;-900\n";
    auto i = importa(*p, file + "05/01/2010;05/01/2010;VERSAMENTO;6OO\n", true);
    EXPECT_EQ(i.errore, "riga 3, colonna Importo: '6OO' non è un importo");
    EXPECT_EQ(p->numeroMovimenti(), 0u);
    EXPECT_TRUE(importa(*p, file, true).importati);
    i = importa(*p, file + "05/01/2010;05/01/2010;VERSAMENTO;600\n", false); // the first row is there already
    EXPECT_EQ(i.sovrapposti, 1u);
    EXPECT_FALSE(i.importati);
    EXPECT_EQ(movimenti(*p), std::vector<Movimento>{kM1});
    EXPECT_TRUE(importa(*p, file + "05/01/2010;05/01/2010;VERSAMENTO;600\n", true).importati);
    EXPECT_EQ(p->numeroMovimenti(), 3u);
}

TEST_F(PraticaTest, ModificheConAnnullaERipeti) {
    auto p = crea();
    ModificheMovimenti m(*p);
    std::int64_t a = 0, b = 0;
    ASSERT_EQ(m.aggiungi(kM1, a), "");
    ASSERT_EQ(m.aggiungi(kM2, b), "");
    Movimento corretto = kM2;
    corretto.importo = 65000;
    ASSERT_EQ(m.modifica(b, corretto), "");
    ASSERT_EQ(m.elimina(a), "");
    EXPECT_EQ(m.voceAnnulla(), "Annulla eliminazione");
    EXPECT_EQ(movimenti(*p), std::vector<Movimento>{corretto});
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(m.annulla(), "");
    EXPECT_EQ(movimenti(*p), std::vector<Movimento>{kM1});
    EXPECT_EQ(m.voceRipeti(), "Ripeti aggiunta");
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(m.ripeti(), "");
    EXPECT_EQ(movimenti(*p), std::vector<Movimento>{corretto});
    EXPECT_FALSE(m.puoRipetere());
    ASSERT_EQ(m.annulla(), ""); // the deleted movement back under its id
    EXPECT_EQ(p->movimento(a), kM1);
    ASSERT_EQ(m.elimina(b), ""); // a new edit: what was undone cannot be redone any more
    EXPECT_FALSE(m.puoRipetere());
    EXPECT_EQ(m.annulla(), "");
    EXPECT_EQ(m.annulla(), ""); // the deletion of `b`, then its correction: the undone deletion is gone
    EXPECT_EQ(movimenti(*p), (std::vector<Movimento>{kM1, kM2}));
}

// The choices of the recalculation and its last result come back as they were kept; wrong choices
// change nothing.
TEST_F(PraticaTest, ScelteEUltimoRicalcolo) {
    auto p = crea();
    EXPECT_EQ(p->scelteRicalcolo(), ScelteRicalcolo{});
    EXPECT_FALSE(p->ricalcoloSalvato());
    ScelteRicalcolo s;
    s.capitalizzazione = ModoCapitalizzazione::Norma;
    s.adeguamento = Data{2001, 3, 1};
    s.periodoCapitalizzazione.al = Data{2013, 12, 31};
    s.cms = ModoCms::EntroSoglia;
    s.commissioniEliminate = true;
    s.periodoCommissioni.dal = Data{2012, 1, 1};
    s.usura = ModoUsura::DalTrimestre;
    s.tassi = ModoTassi::Bot;
    s.periodoTassi = {Data{2001, 1, 1}, Data{2005, 6, 30}};
    s.tassiInseriti = {{{2001, 1, 1}, 75000, 10000}, {{2002, 1, 1}, 70000, 0}};
    s.speseFisseEliminate = true;
    s.saldoInizialeZero = true;
    s.primaRichiesta = Data{2015, 9, 30};
    ASSERT_EQ(p->impostaScelteRicalcolo(s), "");
    RigaRicalcolo riga{{2010, 1, 1}, {2010, 3, 31}, {1, 2, 3, 4}, 5, 6, 7, 8, -9, -10, 11, 12000, 13000, "nota"};
    const RicalcoloSalvato r{
        {riga}, {-100, 200, 30, 40, true, "avviso", "dati", "15/03/2026"}, {{{2004, 2, 3}, 1, 2, 3}}};
    ASSERT_EQ(p->salvaRicalcolo(r), "");
    p.reset();
    p = apri();
    EXPECT_EQ(p->scelteRicalcolo(), s);
    EXPECT_EQ(p->ricalcoloSalvato(), r);
    ScelteRicalcolo sbagliate = s;
    sbagliate.periodoCms = {Data{2010, 1, 1}, Data{2009, 1, 1}};
    EXPECT_EQ(p->impostaScelteRicalcolo(sbagliate), "CMS: la fine 01/01/2009 viene prima dell'inizio 01/01/2010");
    sbagliate = s;
    sbagliate.tassiInseriti[1].dal = Data{2001, 1, 1};
    EXPECT_EQ(p->impostaScelteRicalcolo(sbagliate), "tassi inseriti: la data 01/01/2001 non segue quella prima");
    EXPECT_EQ(p->scelteRicalcolo(), s);
}

// What the difference becomes: first the debt the bank shows is lowered, the rest is given back;
// the prescribed part and a recalculation worse for the customer give nothing.
TEST(EsitoRicalcolo, MinorDebitoEPoiRestituzione) {
    struct Caso {
        Centesimi banca, ricalcolato, aParte, prescritto, minore, restituire;
    };
    for (const Caso& c : {Caso{-1000000, -600000, 0, 0, 400000, 0}, Caso{-100000, 300000, 0, 0, 100000, 300000},
                          Caso{50000, 200000, 0, 0, 0, 150000}, Caso{-100000, 300000, 50000, 20000, 100000, 230000},
                          Caso{-100000, -150000, 0, 0, 0, 0}}) {
        EsitoRicalcolo e;
        e.saldoBanca = c.banca;
        e.saldoRicalcolato = c.ricalcolato;
        e.interessiAParte = c.aParte;
        e.prescritto = c.prescritto;
        EXPECT_EQ(e.minoreDebito(), c.minore) << c.banca << " " << c.ricalcolato;
        EXPECT_EQ(e.daRestituire(), c.restituire) << c.banca << " " << c.ricalcolato;
    }
}

} // namespace
} // namespace vantrel
