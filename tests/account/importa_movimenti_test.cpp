// Movements files as home banking exports them, and the cells that must stop an import.
#include "account/importa_condizioni.h"
#include "account/importa_movimenti.h"
#include "common/righe_csv.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vantrel {
namespace {

LetturaMovimenti leggi(const std::string& csv, std::vector<Movimento>* letti = nullptr) {
    std::istringstream in(csv);
    RigheCsv righe(in);
    return leggiMovimenti(righe, [&](const Movimento& m) {
        if (letti) letti->push_back(m);
    });
}

// Files as the banks export them: the first movement read and how many there are.
TEST(FileBanca, PrimoMovimentoEQuanti) {
    const struct {
        const char* nome;
        std::string csv;
        Movimento atteso;
        std::size_t quanti;
    } casi[] = {
        // Windows-1252 text, title rows, Dare and Avere, a quoted cell holding the separator.
        {"DareAvereCp1252",
         "Conto 123;;;\r\n\r\nData contabile;Data valuta;Descrizione;Dare;Avere\r\n"
         "03/02/2010;01/02/2010;\"PAGAMENTO; F24 CITT\xC0\";1.500,00;\r\n"
         "04/02/2010;04/02/2010;VERSAMENTO;;200\r\n",
         {{2010, 2, 3}, {2010, 2, 1}, "PAGAMENTO; F24 CITT\xC3\x80", -150000},
         2},
        // UTF-8 with its mark, "," between quoted cells, dates year first, one signed amount.
        {"ImportoConSegno",
         "\xEF\xBB\xBF\"Data Registrazione\",\"Data valuta\",\"Causale\",\"Importo (EUR)\"\n"
         "\"2014-07-03\",\"2014-07-01\",\"BONIFICO\",\"-18.000,00\"\n",
         {{2014, 7, 3}, {2014, 7, 1}, "BONIFICO", -1800000},
         1},
        // Dare written negative still debits; no value-date column: the operation date; two
        // description columns joined; a currency column headed "Valuta" left aside.
        {"SenzaDataValuta",
         "Data;Causale;Descrizione;Valuta;Uscite;Entrate\n15/03/26;26;BONIFICO;EUR;-12,50;\n",
         {{2026, 3, 15}, {2026, 3, 15}, "26 BONIFICO", -1250},
         1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        std::vector<Movimento> letti;
        ASSERT_EQ(leggi(c.csv, &letti).errore, "");
        ASSERT_EQ(letti.size(), c.quanti);
        EXPECT_EQ(letti[0], c.atteso);
    }
}

TEST(FileBanca, AnteprimaDiceComeLeggeOgniColonna) {
    const auto l = leggi("Data operazione;Valuta;Note;Importo\n01/10/2009;02/10/2009;x;-1,00\n02/10/2009;;y;3\n");
    ASSERT_EQ(l.colonne.size(), 4u);
    EXPECT_EQ(l.colonne[1].ruolo, RuoloColonna::DataValuta);
    EXPECT_EQ(l.colonne[1].esempio, "02/10/2009");
    EXPECT_EQ(l.colonne[2].ruolo, RuoloColonna::Ignota);
    EXPECT_EQ(l.movimenti, 2u);
    EXPECT_EQ(l.addebiti, -100);
    EXPECT_EQ(l.accrediti, 300);
    EXPECT_EQ(l.senzaValuta, 1);
}

// The first bad cell is named by row (as a spreadsheet counts them) and column.
TEST(FileBanca, CellaErrataNominataPerRigaEColonna) {
    const std::pair<std::string, std::string> casi[] = {
        {"Data;Importo\n01/01/2010;1,00\n02/01/2010;12,3,4\n", "riga 3, colonna Importo: '12,3,4' non è un importo"},
        {"Data;Importo\n31/02/2010;1\n", "riga 2, colonna Data: '31/02/2010' non è una data (gg/mm/aaaa o aaaa-mm-gg)"},
        {"Data;Importo\n;5\n", "riga 2, colonna Data: manca la data"},
        {"Data;Descrizione;Importo\n01/01/2010;x;\n", "riga 2: manca l'importo"},
        {"Data;Importo\n01/01/1900;5\n", "riga 2, colonna Data: '01/01/1900' è fuori dagli anni di un conto"},
        {"Data;Importo;Importo\n",
         "riga 1, colonna Importo: colonna ripetuta: i suoi dati sono già nella colonna Importo"},
        {"Data;Descrizione\n01/01/2010;x\n",
         "manca la riga di intestazione: servono una colonna \"Data operazione\" (o "
         "\"Data contabile\", \"Data\") e una \"Importo\" o \"Dare\"/\"Avere\""},
        {"Data;Importo\n01/01/2010;\"5\n", "riga 2: le virgolette aperte non sono chiuse"},
    };
    for (const auto& [csv, errore] : casi)
        EXPECT_EQ(leggi(csv).errore, errore) << csv;
}

TEST(Importi, LettiAlCentesimoORifiutati) {
    const std::pair<const char*, Centesimi> letti[] = {
        {"1.234,56", 123456},      {"-50", -5000},    {"50,00-", -5000},          {"+12,5", 1250},
        {"12.50", 1250},           {"1.234", 123400}, {"\xE2\x82\xAC 7,10", 710}, {"1,500", 150},
        {"1.234.567,8", 123456780}};
    for (const auto& [testo, atteso] : letti)
        EXPECT_EQ(leggiCentesimi(testo), atteso) << testo;
    for (const char* testo : {"1,005", "12.5.0", "1.2345", "", "abc", "1.23.456", "1,"})
        EXPECT_EQ(leggiCentesimi(testo), std::nullopt) << testo;
    EXPECT_EQ(testoCentesimi(-123456789), "-1.234.567,89");
    // A rate never has thousands: "1.234,5" is refused, not read as 1234,5.
    const std::vector<std::pair<std::string, std::optional<TassoDecimale>>> tassi = {
        {"9,875%", 98750}, {"13.75", 137500}, {"0,00001", {}}, {"1.234,5", {}}, {"100,01", {}}, {"-1", {}}};
    for (const auto& [testo, atteso] : tassi)
        EXPECT_EQ(leggiTassoDecimale(testo), atteso) << testo;
    EXPECT_EQ(testoTasso(5), "0,0005");
}

CondizioniLette condizioni(const std::string& csv) {
    std::istringstream in(csv);
    RigheCsv righe(in);
    return leggiCondizioni(righe);
}

TEST(Condizioni, CellaVuotaTieneIlValorePrecedente) {
    const auto c = condizioni("Dal;Fido;Tasso debitore;Ritenuta;Altro\n01/01/2009;5.000;9,5;;x\n"
                              "01/07/2009;;10;12,5;\n01/01/2010;;;di legge;\n");
    ASSERT_EQ(c.errore, "");
    ASSERT_EQ(c.righe.size(), 3u);
    EXPECT_EQ(c.righe[1].fido, 500000);
    EXPECT_EQ(c.righe[1].tassoDebitore, 100000);
    EXPECT_EQ(c.righe[1].ritenuta, 125000);
    EXPECT_EQ(c.righe[2].ritenuta, std::nullopt);
    EXPECT_EQ(c.righe[2].tassoDebitore, 100000);
    EXPECT_EQ(c.ignorate, std::vector<std::string>{"Altro"});
}

TEST(Condizioni, ErroriNominati) {
    EXPECT_EQ(condizioni("Dal;Divisore\n01/01/2009;366\n").errore, "riga 2, colonna Divisore: '366' non è 365 o 360");
    EXPECT_EQ(condizioni("Dal;Fido\n01/01/2010;1\n01/01/2009;2\n").errore,
              "condizioni, riga 2: la data 01/01/2009 non segue quella della riga prima");
    EXPECT_EQ(condizioni("Fido\n1\n").errore, "manca la riga di intestazione con la colonna \"Dal\"");
}

} // namespace
} // namespace vantrel
