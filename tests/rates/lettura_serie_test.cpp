#include "platform/lettore_zip.h"
#include "rates/lettura_serie.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <random>
#include <zlib.h>

namespace vantrel {
namespace {

// A zip archive of the given files, stored or deflated, as the Bank of Italy's download is.
std::string zip(const std::vector<std::pair<std::string, std::string>>& file, bool comprimi) {
    std::string out;
    std::string indice;
    const auto le = [](std::string& s, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i, v >>= 8)
            s += static_cast<char>(v & 0xFF);
    };
    for (const auto& [nome, testo] : file) {
        std::string dati = testo;
        if (comprimi) {
            z_stream z{};
            deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
            dati.resize(deflateBound(&z, static_cast<uLong>(testo.size())));
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(testo.data()));
            z.avail_in = static_cast<uInt>(testo.size());
            z.next_out = reinterpret_cast<Bytef*>(dati.data());
            z.avail_out = static_cast<uInt>(dati.size());
            deflate(&z, Z_FINISH);
            dati.resize(z.total_out);
            deflateEnd(&z);
        }
        const auto crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(testo.data()), static_cast<uInt>(testo.size())));
        const auto offset = static_cast<std::uint32_t>(out.size());
        std::string comune;
        le(comune, 20, 2);
        le(comune, 0, 2);
        le(comune, comprimi ? 8 : 0, 2);
        le(comune, 0, 4); // time and date
        le(comune, crc, 4);
        le(comune, static_cast<std::uint32_t>(dati.size()), 4);
        le(comune, static_cast<std::uint32_t>(testo.size()), 4);
        le(comune, static_cast<std::uint32_t>(nome.size()), 2);
        le(comune, 0, 2);
        le(out, 0x04034b50, 4);
        out += comune + nome + dati;
        le(indice, 0x02014b50, 4);
        le(indice, 20, 2);
        indice += comune;
        le(indice, 0, 2 + 2 + 2 + 4); // comment length, disk, attributes
        le(indice, offset, 4);
        indice += nome;
    }
    const auto inizioIndice = static_cast<std::uint32_t>(out.size());
    out += indice;
    le(out, 0x06054b50, 4);
    le(out, 0, 4);
    le(out, static_cast<std::uint32_t>(file.size()), 2);
    le(out, static_cast<std::uint32_t>(file.size()), 2);
    le(out, static_cast<std::uint32_t>(indice.size()), 4);
    le(out, inizioIndice, 4);
    le(out, 0, 2);
    return out;
}

const std::string kPiccola = "INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA\n"
                             "01/10/2025;31/12/2025;\"Finanziamenti per anticipi; importazione\";fino a 50.000;7,95;"
                             "13,9375\n"
                             "01/10/2025;31/12/2025;SCOPERTI SENZA AFFIDAMENTO (dal 1° gennaio 2010);oltre 1.500;15,5;"
                             "23,375\n"
                             "01/04/2011;13/05/2011;Credito revolving;intera distribuzione;17,39;26,085\n";

// The same three rows written as other programs write them.
TEST(LetturaSerie, FormatiDelFile) {
    const auto sostituisci = [](std::string s, const std::string& da, const std::string& a) {
        for (std::size_t p = 0; (p = s.find(da, p)) != std::string::npos; p += a.size())
            s.replace(p, da.size(), a);
        return s;
    };
    struct Caso {
        const char* nome;
        std::string testo;
    };
    const std::string virgole =
        sostituisci(sostituisci(sostituisci(kPiccola, ",", "."), ";", ","),
                    "\"Finanziamenti per anticipi, importazione\"", "\"Finanziamenti per anticipi; importazione\"");
    std::string iso = kPiccola;
    for (const auto& [da, a] : {std::pair{"01/10/2025", "2025-10-01"},
                                {"31/12/2025", "2025-12-31"},
                                {"01/04/2011", "2011-04-01"},
                                {"13/05/2011", "2011-05-13"}})
        iso = sostituisci(iso, da, a);
    const Caso casi[] = {
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
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const EsitoSerie e = leggiSerieUfficiale(c.testo);
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
    struct Caso {
        std::string testo;
        const char* messaggio;
    };
    const Caso casi[] = {
        {"", "il file è vuoto"},
        {h, "il file non contiene righe di tassi"},
        {"INIZIO;FINE;CATEGORIA;CLASSE;TEGM\n" + riga, "riga 1: manca la colonna SOGLIA"},
        {h + riga + "31/02/2020;31/03/2020;Factoring;oltre;5,1;10,375\n",
         "riga 3, colonna 1: data di inizio non valida"},
        {h + "01/01/2020;31/03/2020;Factoring;x;5,1\n", "riga 2, colonna 5: la riga ha 5 campi, ne servono 6"},
        {h + "01/01/2020;31/03/2020;Factoring;x;5,1;abc\n", "riga 2, colonna 6: tasso soglia non valido \"abc\""},
        {h + "01/01/2020;31/03/2020;Factoring;x;100;10\n", "riga 2, colonna 5: TEGM non valido \"100\""},
        {h + riga + "\n" + riga, "riga 4, colonna 4: riga ripetuta"},
        {h + riga + "01/03/2020;30/06/2020;Leasing;x;5;7,5\n",
         "riga 3, colonna 1: il periodo 01/03/2020-30/06/2020 si sovrappone"},
        {h + "01/01/2020;31/03/2020;\"Factoring;fino a 50.000;5,1;10,375\n",
         "riga 2, colonna 3: virgolette aperte e mai chiuse"},
        {h + "01/01/2020;31/03/2020;\"A\nB\";x;5;7,5\n01/01/2020;31/03/2020;C;x;5;z\n", "riga 4, colonna 6"},
    };
    for (const Caso& c : casi) {
        const EsitoSerie e = leggiSerieUfficiale(c.testo);
        EXPECT_FALSE(e.ok()) << c.messaggio;
        EXPECT_TRUE(e.errore.messaggio().starts_with(c.messaggio)) << e.errore.messaggio();
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
    struct Caso {
        const char* nome;
        std::string archivio;
        const char* errore; // empty: read
    };
    const std::string buono = zip({{"TEGM_serie_storica.csv", kPiccola}}, true);
    std::string datiRotti = buono;
    datiRotti[60] = static_cast<char>(datiRotti[60] ^ 0x55); // inside the compressed data
    const Caso casi[] = {
        {"deflate", buono, ""},
        {"non compresso, con un file di note", zip({{"leggimi.txt", "x"}, {"serie.CSV", kPiccola}}, false), ""},
        {"due CSV", zip({{"a.csv", kPiccola}, {"b.csv", kPiccola}}, true), "più di un file CSV"},
        {"troncato", buono.substr(0, buono.size() - 30), "danneggiato"},
        {"dati alterati", datiRotti, "danneggiato"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string percorso = dir.file("serie.zip");
        test::scriviTesto(percorso, c.archivio);
        const EsitoSerie e = leggiFileSerie(percorso, &lettore);
        if (*c.errore == 0) {
            ASSERT_TRUE(e.ok()) << e.errore.messaggio();
            EXPECT_EQ(e.serie->righe().size(), 3u);
        } else {
            EXPECT_FALSE(e.ok());
            EXPECT_NE(e.errore.messaggio().find(c.errore), std::string::npos) << e.errore.messaggio();
        }
    }
    EXPECT_NE(leggiFileSerie(dir.cartella(), &lettore).errore.messaggio().find("non è un file"), std::string::npos);
}

} // namespace
} // namespace vantrel
