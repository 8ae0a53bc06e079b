// vantrel-cli pratica on the worked examples: the case made, filled and recalculated from the command
// line gives the TEG, threshold and excess tools/scalare_atteso.py works out; bad input keeps nothing.
// Account a worded by its own bank (case c) gives, with its words and its charges entered by hand
// (pratica parole, addebiti, nota), the scalare the script works out; bad input names its row and column.
#include "casefile/pratica.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "support/esegui_cli.h"
#include "support/righe_attese.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::esegui;
using test::righeTesto;

const std::string kDati = VANTREL_TEST_DATA;

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
    // A case with the conditions of one worked example and the movements of another.
    void prepara(const std::string& condizioni, const std::string& movimenti) {
        ASSERT_EQ(pratica({"crea", file, "--cliente", "Rossi S.r.l."}).codice, 0);
        ASSERT_EQ(pratica({"condizioni", file, kDati + "/scalare_" + condizioni + "_condizioni.csv"}).codice, 0);
        const auto i = pratica({"importa-movimenti", file, kDati + "/scalare_" + movimenti + "_movimenti.csv"});
        ASSERT_EQ(i.codice, 0) << i.err;
    }

    test::CartellaTemporanea dir;
    std::string cartella = dir.cartella(), file = dir.file("conto.vantrel"), errore;
    BancheDatiSqlite sqlite;
};

TEST_F(PraticaCli, TrimestriComeLiCalcolaIlFoglio) {
    for (const char* caso : {"a", "b"}) {
        std::filesystem::remove(file);
        prepara(caso, caso);
        const auto r = pratica({"ricalcola", file, "--formato", "csv"});
        ASSERT_EQ(r.codice, 0) << r.err;
        std::vector<test::RigaAttesa> attesi;
        for (auto& a : test::righeFile(kDati + "/scalare_" + caso + "_atteso.csv"))
            if (!a["TegTXT"].empty()) attesi.push_back(a); // the periods with debit numeri
        const auto uscita = righeTesto(r.out);
        ASSERT_EQ(uscita.size(), attesi.size()) << caso;
        for (std::size_t i = 0; i < attesi.size(); ++i)
            for (const char* campo : {"TegTXT", "soglia", "Diff", "TassoCMS", "EsitoCMS"})
                EXPECT_EQ(uscita[i].at(campo), attesi[i][campo]) << caso << ", " << attesi[i]["dal"] << ", " << campo;
    }
    // The results stay in the case, with the rate table used.
    auto p = Pratica::apri(sqlite, file, errore, true);
    ASSERT_TRUE(p) << errore;
    ASSERT_EQ(p->risultati().size(), 2u);
    EXPECT_EQ(p->risultati()[1].teg, "17,997"); // scalare_b_atteso.csv
    EXPECT_EQ(p->dato(dati_pratica::kRicalcolo), "15/03/2026");
    TabellaTassi t;
    EXPECT_TRUE(p->caricaTassi(t));
    // Open elsewhere, the case is read but not changed.
    auto aperta = Pratica::apri(sqlite, file, errore);
    ASSERT_TRUE(aperta && !aperta->soloLettura());
    const auto r = pratica({"importa-movimenti", file, kDati + "/scalare_a_movimenti.csv"});
    EXPECT_EQ(r.codice, 1);
    EXPECT_EQ(r.err, "vantrel-cli pratica importa-movimenti: La pratica " + file +
                         " è già aperta in un altro programma: si apre in sola lettura.\n");
    EXPECT_EQ(pratica({"ricalcola", file}).codice, 0); // reading is allowed
}

// Wrong uses exit with 2, bad data with 1, and neither changes the case.
TEST_F(PraticaCli, DatiErratiNonCambianoNulla) {
    const std::pair<std::vector<std::string>, int> casi[] = {
        {{"boh"}, 2},
        {{"ricalcola", dir.file("manca.vantrel")}, 2},
        {{"ricalcola", file, "--formato", "pdf"}, 2},
        {{"crea", file, "--saldo-iniziale", "mille"}, 2},
        {{"esporta", file}, 2},
        {{"importa-movimenti", file}, 2},
        {{"parole", file, "a.csv", "b.csv"}, 2},
        {{"addebiti", dir.file("manca.vantrel")}, 2},
        {{"addebiti"}, 2},
        {{"nota", file, "testo", "--data", "31/02/2026"}, 2},
        {{"nota", file, "--data", "01/03/2026"}, 2},
        {{"nota", file, "uno", "due"}, 2},
        {{"crea", file}, 1}, // it exists
    };
    prepara("a", "a");
    for (const auto& [args, codice] : casi)
        EXPECT_EQ(pratica(args).codice, codice) << args[0] << " " << args.back();
    const std::string aiuto = esegui({"pratica", "--help"}).out;
    for (const char* comando : {"pratica parole FILE", "pratica addebiti FILE", "pratica nota FILE"})
        EXPECT_NE(aiuto.find(comando), std::string::npos) << comando;
    const std::string mov = dir.file("mov.csv");
    test::scriviTesto(mov, "Data;Importo\n01/04/2010;5\n02/04/2010;cinque\n");
    auto r = pratica({"importa-movimenti", file, mov});
    EXPECT_EQ(r.codice, 1);
    EXPECT_EQ(r.err, "vantrel-cli pratica importa-movimenti: " + mov +
                         ": riga 3, colonna Importo: 'cinque' non è un importo\nNessun movimento importato.\n");
    r = pratica({"importa-movimenti", file, kDati + "/scalare_a_movimenti.csv"});
    EXPECT_EQ(r.codice, 1); // every movement is there already
    EXPECT_NE(r.err.find("14 movimenti del file sono già nella pratica"), std::string::npos) << r.err;
    test::scriviTesto(mov, "Dal;Divisore\n01/01/2009;366\n");
    EXPECT_EQ(pratica({"condizioni", file, mov}).codice, 1);
    const auto condizioni = pratica({"condizioni", file});
    EXPECT_EQ(condizioni.out.substr(condizioni.out.find('\n') + 1, 24), "01/10/2009;10.000,00;9,5");
    const auto ricalcolo = pratica({"ricalcola", file, "--formato", "scalare"});
    EXPECT_EQ(righeTesto(ricalcolo.out).size(), 3u); // two periods and the totals: nothing was added
    // Exported and read into another case, the movements are the same.
    const std::string csv = dir.file("movimenti.csv"), altra = dir.file("altra.vantrel");
    ASSERT_EQ(pratica({"esporta", file, "--movimenti", csv, "--xlsx", dir.file("conto.xlsx")}).codice, 0);
    ASSERT_EQ(pratica({"crea", altra}).codice, 0);
    ASSERT_EQ(pratica({"importa-movimenti", altra, csv}).codice, 0);
    auto primo = Pratica::apri(sqlite, file, errore, true), secondo = Pratica::apri(sqlite, altra, errore, true);
    std::vector<Movimento> a, b;
    primo->movimenti([&](std::int64_t, const Movimento& m) { a.push_back(m); });
    secondo->movimenti([&](std::int64_t, const Movimento& m) { b.push_back(m); });
    EXPECT_EQ(a, b);
    EXPECT_TRUE(std::filesystem::file_size(dir.file("conto.xlsx")) > 0);
}

// The summary counts the movements without a value date only when there are some.
TEST_F(PraticaCli, MovimentiSenzaValutaContatiSeCiSono) {
    const std::pair<const char*, std::string> casi[] = {
        {"01/04/2010;02/04/2010;5\n", ""},
        {"01/04/2010;;5\n02/04/2010;03/04/2010;-2\n", "Senza data valuta (presa la data operazione): 1"}};
    for (const auto& [righe, atteso] : casi) {
        test::scriviTesto(dir.file("mov.csv"), std::string("Data contabile;Data valuta;Importo\n") + righe);
        const auto r = pratica({"importa-movimenti", file, dir.file("mov.csv"), "--anteprima"});
        ASSERT_EQ(r.codice, 0) << r.err;
        const auto k = r.out.find("Senza data valuta");
        EXPECT_EQ(k == std::string::npos ? "" : r.out.substr(k, r.out.find('\n', k) - k), atteso) << r.out;
    }
}

class PraticaAddebitiCli : public PraticaCli {
protected:
    void SetUp() override {
        PraticaCli::SetUp();
        prepara("a", "c");
    }
    // What the case holds of the three, as the commands list it.
    std::string stato() {
        return pratica({"parole", file}).out + pratica({"addebiti", file}).out + pratica({"nota", file}).out;
    }
};

// "Banca: interessi" is the expected file's "banca interessi".
std::string chiave(std::string titolo) {
    std::erase(titolo, ':');
    std::transform(titolo.begin(), titolo.end(), titolo.begin(), [](unsigned char c) { return std::tolower(c); });
    return titolo;
}

// Without words of its own a case uses the usual ones; a file with only its header brings them back.
TEST_F(PraticaAddebitiCli, ScalareConLeParoleEGliAddebitiDellaPratica) {
    const std::string usuali = "Parola;Tipo\ninteressi;interessi\ncompetenze;competenze\ncommissione;commissioni\n"
                               "commissioni;commissioni\nspese;spese\n";
    EXPECT_EQ(pratica({"parole", file}).out, usuali);
    auto r = pratica({"parole", file, kDati + "/scalare_c_parole.csv"});
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(r.out, "Parola;Tipo\noneri di liquidazione;interessi\ncanone;spese\n");
    r = pratica({"addebiti", file, kDati + "/scalare_c_addebiti.csv"});
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(r.out, "Data;Interessi;Competenze;Commissioni;Spese\n15/01/2010;0,00;0,00;0,00;15,00\n"
                     "31/03/2010;172,40;0,00;73,32;0,00\n");
    r = pratica({"ricalcola", file, "--formato", "scalare"});
    ASSERT_EQ(r.codice, 0) << r.err;
    const auto attesi = test::righeFile(kDati + "/scalare_c_atteso.csv");
    const auto uscita = test::righeTesto(r.out);
    ASSERT_EQ(uscita.size(), attesi.size() + 1); // and the totals
    for (std::size_t i = 0; i < attesi.size(); ++i)
        for (const auto& [titolo, valore] : uscita[i])
            if (attesi[i].contains(chiave(titolo))) {
                EXPECT_EQ(valore, attesi[i].at(chiave(titolo))) << attesi[i].at("dal") << ", " << titolo;
            }
    r = pratica({"ricalcola", file, "--formato", "csv"});
    const auto controlli = test::righeTesto(r.out);
    ASSERT_EQ(controlli.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i)
        EXPECT_EQ(controlli[i].at("TegTXT"), attesi[i].at("TegTXT"));
    const std::string soloIntestazione = dir.file("vuota.csv");
    test::scriviTesto(soloIntestazione, "Parola;Tipo\n");
    EXPECT_EQ(pratica({"parole", file, soloIntestazione}).out, usuali);
}

struct Errato {
    const char* comando;
    const char* contenuto; // of the file given; nullptr: the text is the argument itself
    const char* errore;    // after "vantrel-cli pratica <comando>: <file>: "
};

// Notes keep their date; a refused table or note leaves words, charges and notes as they were.
TEST_F(PraticaAddebitiCli, DatiErratiNonCambianoLaPratica) {
    const Errato casi[] = {
        {"parole", "Parola;Tipo\ncanone;spese\noneri;tasse\n",
         "riga 3, colonna Tipo: 'tasse' non è un tipo di addebito (interessi, competenze, commissioni o spese)"},
        {"parole", "Parola;Tipo\ncanone;\n", "riga 2, colonna Tipo: manca il tipo di addebito"},
        {"parole", "Parola;Tipo\nab;spese\n",
         "la parola 'ab' è troppo corta (almeno tre lettere): troverebbe anche i movimenti del cliente"},
        {"parole", "Parola;Tipo\ncanone;spese\nCANONE;interessi\n", "la parola 'CANONE' è ripetuta"},
        {"parole", "Tipo\nspese\n", "manca la riga di intestazione con la colonna \"Parola\""},
        {"addebiti", "Data;Spese\n31/03/2010;5\n30/06/2010;dieci\n", "riga 3, colonna Spese: 'dieci' non è un importo"},
        {"addebiti", "Periodo;CMS\n31/13/2010;1\n",
         "riga 2, colonna Periodo: '31/13/2010' non è una data (gg/mm/aaaa)"},
        {"addebiti", "Data;Spese\n;5\n", "riga 2, colonna Data: manca la data del periodo"},
        {"addebiti", "Data;Spese\n31/03/2010;1\n31/03/2010;2\n", "il 31/03/2010 è indicato due volte"},
        {"nota", nullptr, "La nota è vuota: scriverne il testo."},
    };
    EXPECT_EQ(pratica({"nota", file}).out, "");
    ASSERT_EQ(pratica({"nota", file, "Estratti del 2009 chiesti alla banca", "--data", "02/03/2026"}).codice, 0);
    const auto nota = pratica({"nota", file, "  Ricevuti; mancano le contabili di marzo  "});
    ASSERT_EQ(nota.codice, 0) << nota.err;
    EXPECT_EQ(nota.out, "02/03/2026  Estratti del 2009 chiesti alla banca\n"
                        "15/03/2026  Ricevuti; mancano le contabili di marzo\n");
    const std::string prima = stato(), tabella = dir.file("tabella.csv");
    for (const Errato& c : casi) {
        SCOPED_TRACE(c.errore);
        std::string argomento = "   ", dove;
        if (c.contenuto) {
            test::scriviTesto(tabella, c.contenuto);
            argomento = tabella;
            dove = tabella + ": ";
        }
        const auto r = pratica({c.comando, file, argomento});
        EXPECT_EQ(r.codice, 1);
        EXPECT_EQ(r.err, "vantrel-cli pratica " + std::string(c.comando) + ": " + dove + c.errore +
                             "\nLa pratica non è cambiata.\n");
        EXPECT_EQ(stato(), prima);
    }
}

} // namespace
} // namespace vantrel
