// vantrel-cli pratica on the worked examples: the case made, filled and recalculated from the command
// line gives the TEG, threshold and excess tools/scalare_atteso.py works out; bad input keeps nothing.
#include "casefile/pratica.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "support/esegui_cli.h"
#include "support/righe_attese.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::esegui;

using test::righeTesto;

class PraticaCli : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", cartella}).codice,
                  0);
    }
    test::Esito pratica(std::vector<std::string> args) {
        args.insert(args.begin(), "pratica");
        for (const char* o : {"--cartella", cartella.c_str(), "--oggi", "15/03/2026"})
            args.emplace_back(o);
        return esegui(args);
    }
    void prepara(const std::string& caso) {
        const std::string dati = std::string(VANTREL_TEST_DATA "/scalare_") + caso;
        ASSERT_EQ(pratica({"crea", file, "--cliente", "Rossi S.r.l."}).codice, 0);
        ASSERT_EQ(pratica({"condizioni", file, dati + "_condizioni.csv"}).codice, 0);
        const auto i = pratica({"importa-movimenti", file, dati + "_movimenti.csv"});
        ASSERT_EQ(i.codice, 0) << i.err;
    }

    test::CartellaTemporanea dir;
    std::string cartella = dir.cartella(), file = dir.file("conto.vantrel");
};

TEST_F(PraticaCli, TrimestriComeLiCalcolaIlFoglio) {
    for (const char* caso : {"a", "b"}) {
        std::filesystem::remove(file);
        prepara(caso);
        const auto r = pratica({"ricalcola", file, "--formato", "csv"});
        ASSERT_EQ(r.codice, 0) << r.err;
        std::vector<test::RigaAttesa> attesi;
        for (auto& a : test::righeFile(std::string(VANTREL_TEST_DATA "/scalare_") + caso + "_atteso.csv"))
            if (!a["TegTXT"].empty()) attesi.push_back(a); // the periods with debit numeri
        const auto uscita = righeTesto(r.out);
        ASSERT_EQ(uscita.size(), attesi.size()) << caso;
        for (std::size_t i = 0; i < attesi.size(); ++i)
            for (const char* campo : {"TegTXT", "soglia", "Diff", "TassoCMS", "EsitoCMS"})
                EXPECT_EQ(uscita[i].at(campo), attesi[i][campo]) << caso << ", " << attesi[i]["dal"] << ", " << campo;
    }
    // The results stay in the case, with the rate table used.
    BancheDatiSqlite sqlite;
    std::string errore;
    auto p = Pratica::apri(sqlite, file, errore, true);
    ASSERT_TRUE(p) << errore;
    ASSERT_EQ(p->risultati().size(), 2u);
    EXPECT_EQ(p->risultati()[1].teg, "17,997"); // scalare_b_atteso.csv
    EXPECT_EQ(p->dato(dati_pratica::kRicalcolo), "15/03/2026");
    TabellaTassi t;
    EXPECT_TRUE(p->caricaTassi(t));
}

TEST_F(PraticaCli, DatiErratiNonCambianoNulla) {
    prepara("a");
    const std::string mov = dir.file("mov.csv");
    test::scriviTesto(mov, "Data;Importo\n01/04/2010;5\n02/04/2010;cinque\n");
    auto r = pratica({"importa-movimenti", file, mov});
    EXPECT_EQ(r.codice, 1);
    EXPECT_EQ(r.err, "vantrel-cli pratica importa-movimenti: " + mov +
                         ": riga 3, colonna Importo: 'cinque' non è un importo\nNessun movimento importato.\n");
    r = pratica({"importa-movimenti", file, std::string(VANTREL_TEST_DATA "/scalare_a_movimenti.csv")});
    EXPECT_EQ(r.codice, 1); // every movement is there already
    EXPECT_NE(r.err.find("14 movimenti del file sono già nella pratica"), std::string::npos) << r.err;
    test::scriviTesto(mov, "Dal;Divisore\n01/01/2009;366\n");
    EXPECT_EQ(pratica({"condizioni", file, mov}).codice, 1);
    const auto condizioni = pratica({"condizioni", file});
    EXPECT_EQ(condizioni.out.substr(condizioni.out.find('\n') + 1, 24), "01/10/2009;10.000,00;9,5");
    const auto ricalcolo = pratica({"ricalcola", file, "--formato", "scalare"});
    EXPECT_EQ(righeTesto(ricalcolo.out).size(), 3u); // two periods and the totals: nothing was added
}

TEST_F(PraticaCli, UnaPraticaApertaAltroveNonSiModifica) {
    prepara("b");
    BancheDatiSqlite sqlite;
    std::string errore;
    auto aperta = Pratica::apri(sqlite, file, errore);
    ASSERT_TRUE(aperta && !aperta->soloLettura());
    const auto r = pratica({"importa-movimenti", file, std::string(VANTREL_TEST_DATA "/scalare_a_movimenti.csv")});
    EXPECT_EQ(r.codice, 1);
    EXPECT_EQ(r.err, "vantrel-cli pratica importa-movimenti: La pratica " + file +
                         " è già aperta in un altro programma: si apre in sola lettura.\n");
    EXPECT_EQ(pratica({"ricalcola", file}).codice, 0); // reading is allowed
}

TEST_F(PraticaCli, EsportaERileggeIMovimenti) {
    prepara("a");
    const std::string csv = dir.file("movimenti.csv"), altra = dir.file("altra.vantrel");
    ASSERT_EQ(pratica({"esporta", file, "--movimenti", csv, "--xlsx", dir.file("conto.xlsx")}).codice, 0);
    ASSERT_EQ(pratica({"crea", altra}).codice, 0);
    ASSERT_EQ(pratica({"importa-movimenti", altra, csv}).codice, 0);
    BancheDatiSqlite sqlite;
    std::string e;
    auto primo = Pratica::apri(sqlite, file, e, true), secondo = Pratica::apri(sqlite, altra, e, true);
    std::vector<Movimento> a, b;
    primo->movimenti([&](std::int64_t, const Movimento& m) { a.push_back(m); });
    secondo->movimenti([&](std::int64_t, const Movimento& m) { b.push_back(m); });
    EXPECT_EQ(a, b);
    EXPECT_TRUE(std::filesystem::file_size(dir.file("conto.xlsx")) > 0);
}

TEST_F(PraticaCli, Uso) {
    const std::pair<std::vector<std::string>, int> casi[] = {
        {{"boh"}, 2},
        {{"ricalcola", dir.file("manca.vantrel")}, 2},
        {{"ricalcola", file, "--formato", "pdf"}, 2},
        {{"crea", file, "--saldo-iniziale", "mille"}, 2},
        {{"esporta", file}, 2},
        {{"importa-movimenti", file}, 2},
    };
    prepara("a");
    for (const auto& [args, codice] : casi)
        EXPECT_EQ(pratica(args).codice, codice) << args[0];
    EXPECT_EQ(pratica({"crea", file}).codice, 1); // it exists
    EXPECT_EQ(esegui({"pratica", "--help"}).out.substr(0, 25), "Uso: vantrel-cli pratica ");
}

} // namespace
} // namespace vantrel
