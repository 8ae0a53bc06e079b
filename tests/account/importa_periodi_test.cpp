// Files of account periods as a spreadsheet saves them.
#include "account/importa_periodi.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ImportaPeriodi, IntestazioniCodificheEFormatiDiExcel) {
    // Every field gets its own figure, so a column mapped to the wrong field shows.
    const auto intestazioni = [](const std::string& o) {
        return "DAL;al;Numeri Debitori;INTERESSI;C.M.S.;Altri interessi;Spese;CMS spese;Altri " + o +
               "neri;Accordato;Fido utilizzato;Gi" + o + "rni;Categoria;Valuta;Norma;Formula";
    };
    struct Caso {
        const char* nome;
        std::string contenuto;
        std::vector<std::string> ignorate;
    };
    const Caso casi[] = {
        {"Windows-1252, CR LF, un titolo sopra",
         "Conto n. 1234\r\n\r\n" + intestazioni("\xF2") + ";Citt\xE0\r\n" +
             "01/04/2019;30/06/2019;1.000;2;3;4;5;6;7;8;9;90;conto anticipi;lire;Nuova;globale;Bar\xEC\r\n",
         {"Città"}},
        {"UTF-8 con BOM, LF, celle tra virgolette",
         "\xEF\xBB\xBF" + intestazioni("ò") + ";Note\n" +
             "1/4/19;\"30/06/2019\";\"1.000\";2;3;4;5;6;7;8;9;90;Conto anticipi;Lire;nuova norma;Globale;\"a; "
             "\"\"b\"\"\nc\"\n",
         {"Note"}},
        {"CR da solo, importi con il simbolo dell'euro",
         intestazioni("ò") + "\r01/04/2019;30/06/2019;€ 1.000;2 €;3;4;5;6;7;8;9;90;CONTO ANTICIPI;ITL;nuova;globale\r",
         {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const PeriodiImportati r = leggiPeriodi(c.contenuto);
        ASSERT_EQ(r.periodi.size(), 1u);
        const PeriodoDaControllare& p = r.periodi[0];
        EXPECT_EQ(p.dal, "01/04/2019");
        EXPECT_EQ(p.al, "30/06/2019");
        // No "Massimo scoperto" column: the highest overdraft is not given.
        const std::array<std::string, kCampiPeriodo.size()> attesi = {"90", "1.000", "",  "2", "3", "4",
                                                                      "5",  "6",     "7", "",  "8", "9"};
        EXPECT_EQ(p.campi, attesi);
        EXPECT_EQ(p.categoria->nome, "Conto anticipi");
        EXPECT_TRUE(p.valuta == &ControlliTeg::lire);
        EXPECT_TRUE(p.norma == &ControlliTeg::nuovaNorma);
        EXPECT_TRUE(p.formula == &ControlliTeg::calcolaGlobale);
        EXPECT_EQ(r.colonneIgnorate, c.ignorate);
    }
    // The file is read in blocks of 64 KiB: a character cut by a block's end is still UTF-8.
    for (const std::size_t a : {65534u, 65535u, 65536u}) { // where the "à" begins
        SCOPED_TRACE(a);
        const std::string titolo(a - 11, 'x'); // a line break and "Dal;Al;Cit" follow it
        const auto r = leggiPeriodi(titolo + "\n" + "Dal;Al;Città\n01/01/2020;31/03/2020;1\n");
        EXPECT_EQ(r.colonneIgnorate, std::vector<std::string>{"Città"});
    }
    // "accordato" is the option when its cells are options, the credit line when they are amounts.
    const auto opzione = leggiPeriodi("dal;al;accordato\n01/01/2020;31/03/2020;indebitam. medio\n").periodi.at(0);
    EXPECT_TRUE(opzione.accordato == &ControlliTeg::accordatoIndebitamento);
    const std::size_t fidoCampo = indiceCampo(&ControlliTeg::fido);
    EXPECT_EQ(opzione.campi[fidoCampo], "");
    const auto fido = leggiPeriodi("dal;al;accordato\n01/01/2020;31/03/2020;10.000\n").periodi.at(0);
    EXPECT_TRUE(fido.accordato == &ControlliTeg::accordatoFido);
    EXPECT_EQ(fido.campi[fidoCampo], "10.000");
}

// Every header of every figure lands on that figure: no header is shared, none is out of place.
TEST(ImportaPeriodi, OgniIntestazioneVaAlSuoDato) {
    for (std::size_t k = 0; k < kCampiPeriodo.size(); ++k)
        for (const std::string_view a : kCampiPeriodo[k].intestazioni) {
            if (a.empty()) continue;
            const auto p = leggiPeriodi("dal;al;" + std::string(a) + "\n01/01/2020;31/03/2020;12\n").periodi.at(0);
            for (std::size_t j = 0; j < kCampiPeriodo.size(); ++j)
                EXPECT_EQ(p.campi[j], j == k ? "12" : "") << a << " " << kCampiPeriodo[j].colonna;
        }
}

TEST(ImportaPeriodi, UnaCellaErrataFermaTuttoENominaRigaEColonna) {
    const std::string ok = "01/01/2020;31/03/2020;1,5\r\n";
    struct Caso {
        std::string contenuto;
        const char* messaggio;
    };
    const Caso casi[] = {
        {"Dal;Al;Interessi\r\n" + ok + "01/04/2020;30/06/2020;12,3,4\r\n" + ok,
         "riga 3, colonna Interessi: \"12,3,4\" non è un importo"},
        {"Dal;Al;Giorni\r\n01/01/2020;31/03/2020;0\r\n", "riga 2, colonna Giorni: \"0\" non è un numero di giorni"},
        {"Dal;Al\r\n31/03/2020;01/01/2020\r\n", "riga 2, colonna Al: il periodo finisce (01/01/2020) prima di"},
        {"Dal;Al;Interessi;intDare\r\n" + ok, "riga 1, colonna intDare: colonna ripetuta"},
        {"Dal;Al;Categoria\r\n01/01/2020;31/03/2020;Mutuo\r\n", "riga 2, colonna Categoria: \"Mutuo\" non è ammesso"},
        {"Dal;Al;Note\r\n01/01/2020;31/03/2020;\"aperte\r\n", "riga 2: le virgolette aperte non sono chiuse"},
        {"\xFF\xFE"
         "D\0a\0l\0",
         "il file è in UTF-16"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.messaggio);
        try {
            leggiPeriodi(c.contenuto);
            ADD_FAILURE() << "accettato";
        } catch (const ErroreImportazione& e) {
            EXPECT_EQ(e.messaggio().rfind(c.messaggio, 0), 0u) << e.messaggio();
        }
    }
}

} // namespace
} // namespace vantrel
