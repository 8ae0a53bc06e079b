#include "platform/lettore_zip.h"
#include "rates/lettura_serie.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>

namespace vantrel {
namespace {

// A zip archive of the given files, stored or deflated as the Bank of Italy's download is, made by
// Python's zipfile: another implementation than the reader's.
std::string zip(const std::vector<std::pair<std::string, std::string>>& file, bool comprimi) {
    test::CartellaTemporanea dir;
    std::string comando = std::string("/usr/bin/python3 -c 'import sys, zipfile\n"
                                      "with zipfile.ZipFile(sys.argv[1], \"w\", zipfile.") +
                          (comprimi ? "ZIP_DEFLATED" : "ZIP_STORED") +
                          ") as z:\n    for f in sys.argv[2:]: z.write(f, f.rsplit(\"/\", 1)[1])' " + dir.file("a.zip");
    for (const auto& [nome, testo] : file) {
        test::scriviTesto(dir.file(nome), testo);
        comando += " " + dir.file(nome);
    }
    EXPECT_EQ(std::system(comando.c_str()), 0);
    return test::leggiTesto(dir.file("a.zip"));
}

const std::string kPiccola = "INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA\n"
                             "01/10/2025;31/12/2025;\"Finanziamenti per anticipi; importazione\";fino a 50.000;7,95;"
                             "13,9375\n"
                             "01/10/2025;31/12/2025;SCOPERTI SENZA AFFIDAMENTO (dal 1° gennaio 2010);oltre 1.500;15,5;"
                             "23,375\n"
                             "01/04/2011;13/05/2011;Credito revolving;intera distribuzione;17,39;26,085\n";

// The same three rows written as other programs write them.
TEST(LetturaSerie, FormatiDelFile) {
    // No pattern below holds a character special to a regular expression.
    const auto sostituisci = [](const std::string& s, const char* da, const char* a) {
        return std::regex_replace(s, std::regex(da), a);
    };
    const std::string virgole =
        sostituisci(sostituisci(sostituisci(kPiccola, ",", "."), ";", ","),
                    "\"Finanziamenti per anticipi, importazione\"", "\"Finanziamenti per anticipi; importazione\"");
    const std::string iso = std::regex_replace(kPiccola, std::regex(R"((\d\d)/(\d\d)/(\d{4}))"), "$3-$2-$1");
    const std::pair<const char*, std::string> casi[] = {
        {"UTF-8", kPiccola},
        {"BOM e CRLF", "\xEF\xBB\xBF" + sostituisci(kPiccola, "\n", "\r\n")},
        {"Windows-1252", sostituisci(kPiccola, "°", "\xB0")},
        {"intestazione minuscola, colonne in altro ordine, FONTE",
         sostituisci(sostituisci(kPiccola, "INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA",
                                 "inizio;fine;categoria;classe;Tegm;soglia;fonte"),
                     "\n0", ";bdi-serie\n0")},
        {"virgola e punto decimale", virgole},
        {"date ISO e riga vuota", iso + "\n"},
    };
    for (const auto& [nome, testo] : casi) {
        SCOPED_TRACE(nome);
        const EsitoSerie e = leggiSerieUfficiale(testo);
        ASSERT_TRUE(e.ok()) << e.errore.messaggio();
        const auto& r = e.serie->righe();
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(r[0].inizio, (Data{2011, 4, 1})); // sorted by period
        EXPECT_EQ(r[0].fine, (Data{2011, 5, 13}));
        EXPECT_EQ(r[1].categoria, "Finanziamenti per anticipi; importazione");
        EXPECT_EQ(r[2].categoria, "SCOPERTI SENZA AFFIDAMENTO (dal 1° gennaio 2010)");
        EXPECT_EQ(r[1].soglia.testo(), "13,9375");
        EXPECT_EQ(r[2].tegm.testo(), "15,5");
        EXPECT_EQ(r[2].fonte, "bdi-serie");
    }
}

TEST(LetturaSerie, ErroriConRigaEColonna) {
    const std::string h = "INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA\n";
    const std::string riga = "01/01/2020;31/03/2020;Factoring;fino a 50.000;5,1;10,375\n";
    const std::pair<std::string, const char*> casi[] = {
        {"", "il file è vuoto"},
        {h, "il file non contiene righe di tassi"},
        {"INIZIO;FINE;CATEGORIA;CLASSE;TEGM\n" + riga, "riga 1: manca la colonna SOGLIA"},
        {h + riga + "31/02/2020;31/03/2020;Factoring;oltre;5,1;10,375\n",
         "riga 3, colonna 1: data di inizio non valida"},
        {h + "01/01/2020;31/03/2020;Factoring;x;5,1\n", "riga 2, colonna 5: la riga ha 5 campi, ne servono 6"},
        {h + "01/01/2020;31/03/2020;Factoring;x;5,1;abc\n",
         "riga 2, colonna 6: tasso soglia non valido: tasso \"abc\" non numerico"},
        {h + "01/01/2020;31/03/2020;Factoring;x;100;10\n", "riga 2, colonna 5: TEGM non valido: tasso \"100\" non inf"},
        {h + "01/01/2020;31/03/2020;Factoring;x;1.234,5;10\n",
         "riga 2, colonna 5: TEGM non valido: tasso \"1.234,5\" con un separatore delle migliaia"},
        {h + riga + "\n" + riga, "riga 4, colonna 4: riga ripetuta"},
        {h + riga + "31/03/2020;30/06/2020;Leasing;x;5;7,5\n", // one day in common
         "riga 3, colonna 1: il periodo 31/03/2020-30/06/2020 si sovrappone"},
        {h + "01/01/2020;31/03/2020;\"Factoring;fino a 50.000;5,1;10,375\n",
         "riga 2, colonna 3: virgolette aperte e mai chiuse"},
        {h + "01/01/2020;31/03/2020;\"A\nB\";x;5;7,5\n01/01/2020;31/03/2020;C;x;5;z\n", "riga 4, colonna 6"},
    };
    for (const auto& [testo, messaggio] : casi) {
        const EsitoSerie e = leggiSerieUfficiale(testo);
        EXPECT_FALSE(e.ok()) << messaggio;
        EXPECT_TRUE(e.errore.messaggio().starts_with(messaggio)) << e.errore.messaggio();
    }
}

TEST(LetturaSerie, LaSerieCompletaSiRiscriveUgualeAlFile) {
    const std::string file = test::leggiTesto(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv");
    const EsitoSerie e = leggiSerieUfficiale(file);
    ASSERT_TRUE(e.ok()) << e.errore.messaggio();
    EXPECT_EQ(testoSerie(*e.serie), file);
}

TEST(LetturaSerie, ArchivioZip) {
    test::CartellaTemporanea dir;
    const LettoreZipZlib lettore;
    const std::string buono = zip({{"TEGM_serie_storica.csv", kPiccola}}, true);
    std::string datiRotti = buono;
    datiRotti[60] = static_cast<char>(datiRotti[60] ^ 0x55); // inside the compressed data
    // The ZIP64 marks of the end record (no comment: its last 22 bytes): the number of files, the index's offset.
    const auto zip64 = [&](std::size_t campo, std::size_t byte) {
        return std::string(buono).replace(buono.size() - 22 + campo, byte, byte, '\xFF');
    };
    // The archive's name, its bytes, the error (none: read).
    const std::tuple<const char*, std::string, const char*> casi[] = {
        {"deflate", buono, ""},
        {"non compresso, con un file di note", zip({{"leggimi.txt", "x"}, {"serie.CSV", kPiccola}}, false), ""},
        {"due CSV", zip({{"a.csv", kPiccola}, {"b.csv", kPiccola}}, true), "più di un file CSV"},
        {"troncato", buono.substr(0, buono.size() - 30), "danneggiato"},
        {"dati alterati", datiRotti, "danneggiato"},
        {"ZIP64, numero dei file", zip64(10, 2), "ZIP64"},
        {"ZIP64, inizio dell'indice", zip64(16, 4), "ZIP64"},
    };
    for (const auto& [nome, archivio, errore] : casi) {
        SCOPED_TRACE(nome);
        const std::string percorso = dir.file("serie.zip");
        test::scriviTesto(percorso, archivio);
        const EsitoSerie e = leggiFileSerie(percorso, &lettore);
        if (*errore == 0) {
            ASSERT_TRUE(e.ok()) << e.errore.messaggio();
            EXPECT_EQ(e.serie->righe().size(), 3u);
        } else {
            EXPECT_FALSE(e.ok());
            EXPECT_NE(e.errore.messaggio().find(errore), std::string::npos) << e.errore.messaggio();
        }
    }
    EXPECT_NE(leggiFileSerie(dir.cartella(), &lettore).errore.messaggio().find("non è un file"), std::string::npos);
}

} // namespace
} // namespace vantrel
