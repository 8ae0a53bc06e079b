// vantrel-cli pratica parole, addebiti and nota: account a of tests/data worded by its own bank
// (case c) gives, with its words and its charges entered by hand, the scalare tools/scalare_atteso.py
// works out; bad input names its row and column and leaves the case as it was.
#include "support/esegui_cli.h"
#include "support/righe_attese.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::esegui;

const std::string kDati = VANTREL_TEST_DATA;

class PraticaAddebitiCli : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", cartella}).codice,
                  0);
        ASSERT_EQ(pratica({"crea", file}).codice, 0);
        ASSERT_EQ(pratica({"condizioni", file, kDati + "/scalare_a_condizioni.csv"}).codice, 0);
        const auto i = pratica({"importa-movimenti", file, kDati + "/scalare_c_movimenti.csv"});
        ASSERT_EQ(i.codice, 0) << i.err;
    }
    test::Esito pratica(std::vector<std::string> args) {
        args.insert(args.begin(), "pratica");
        for (const char* o : {"--cartella", cartella.c_str(), "--oggi", "15/03/2026"})
            args.emplace_back(o);
        return esegui(args);
    }
    // What the case holds of the three, as the commands list it.
    std::string stato() {
        return pratica({"parole", file}).out + pratica({"addebiti", file}).out + pratica({"nota", file}).out;
    }

    test::CartellaTemporanea dir;
    std::string cartella = dir.cartella(), file = dir.file("conto.vantrel");
};

// "Banca: interessi" is the expected file's "banca interessi".
std::string chiave(std::string titolo) {
    std::erase(titolo, ':');
    std::transform(titolo.begin(), titolo.end(), titolo.begin(), [](unsigned char c) { return std::tolower(c); });
    return titolo;
}

TEST_F(PraticaAddebitiCli, ScalareConLeParoleEGliAddebitiDellaPratica) {
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
}

TEST_F(PraticaAddebitiCli, SenzaParoleProprieQuelleUsuali) {
    const std::string usuali = "Parola;Tipo\ninteressi;interessi\ncompetenze;competenze\ncommissione;commissioni\n"
                               "commissioni;commissioni\nspese;spese\n";
    EXPECT_EQ(pratica({"parole", file}).out, usuali);
    ASSERT_EQ(pratica({"parole", file, kDati + "/scalare_c_parole.csv"}).codice, 0);
    const std::string soloIntestazione = dir.file("vuota.csv");
    test::scriviTesto(soloIntestazione, "Parola;Tipo\n");
    EXPECT_EQ(pratica({"parole", file, soloIntestazione}).out, usuali);
}

TEST_F(PraticaAddebitiCli, NoteConLaLoroData) {
    EXPECT_EQ(pratica({"nota", file}).out, "");
    ASSERT_EQ(pratica({"nota", file, "Estratti del 2009 chiesti alla banca", "--data", "02/03/2026"}).codice, 0);
    const auto r = pratica({"nota", file, "  Ricevuti; mancano le contabili di marzo  "});
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(r.out, "02/03/2026  Estratti del 2009 chiesti alla banca\n"
                     "15/03/2026  Ricevuti; mancano le contabili di marzo\n");
}

struct Errato {
    const char* comando;
    const char* contenuto; // of the file given; nullptr: the text is the argument itself
    const char* errore;    // after "vantrel-cli pratica <comando>: <file>: "
};

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
    ASSERT_EQ(pratica({"nota", file, "prima"}).codice, 0);
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

TEST_F(PraticaAddebitiCli, Uso) {
    const std::vector<std::string> casi[] = {
        {"parole", file, "a.csv", "b.csv"},
        {"addebiti", dir.file("manca.vantrel")},
        {"addebiti"},
        {"nota", file, "testo", "--data", "31/02/2026"},
        {"nota", file, "--data", "01/03/2026"},
        {"nota", file, "uno", "due"},
    };
    for (const auto& args : casi)
        EXPECT_EQ(pratica(args).codice, 2) << args.back();
    const std::string aiuto = esegui({"pratica", "--help"}).out;
    for (const char* comando : {"pratica parole FILE", "pratica addebiti FILE", "pratica nota FILE"})
        EXPECT_NE(aiuto.find(comando), std::string::npos) << comando;
}

} // namespace
} // namespace vantrel
