#include "rates/importa_serie.h"
#include "rates/lettura_serie.h"
#include "rates/riferimento_serie.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <iterator>

namespace vantrel {
namespace {

using test::CartellaTemporanea;

const std::string kSerie = VANTREL_DATA_DIR "/serie-ufficiale-completa.csv";

// The Bank of Italy's own file against a folder that has the completed series: it prints two
// decimals for 1st quarter 2018 and ends the 3rd quarter of 2020 on 01/09; a new quarter arrives.
TEST(ImportaSerie, SerieDellaBancaDItaliaSuUnaCartellaCompleta) {
    CartellaTemporanea dir;
    ASSERT_TRUE(importaSerieUfficiale(kSerie, dir.cartella(), nullptr).fatto);
    std::string bdi = "INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA\n";
    const SerieUfficiale completa = *leggiFileSerie(kSerie, nullptr).serie;
    for (const RigaSerie& r : completa.righe()) {
        const std::string inizio = r.inizio.testo();
        const std::string fine = inizio == "01/07/2020" ? "01/09/2020" : r.fine.testo();
        std::string categoria = r.categoria;
        if (categoria.find(';') != std::string::npos) categoria = '"' + categoria + '"';
        const std::string resto = categoria + ";" + r.classe + ";" + r.tegm.testo(2) + ";" + r.soglia.testo(2) + "\n";
        bdi += inizio + ";" + fine + ";" + resto;
        if (inizio == "01/10/2026") bdi += "01/01/2027;31/03/2027;" + resto;
    }
    test::scriviTesto(dir.file("bdi.csv"), bdi);
    const EsitoImportaSerie e = importaSerieUfficiale(dir.file("bdi.csv"), dir.cartella(), nullptr);
    ASSERT_TRUE(e.fatto) << e.messaggio;
    EXPECT_EQ(e.riepilogo.nuovi, 1);
    EXPECT_EQ(e.riepilogo.modificati, 0);
    const EsitoSerie rif = leggiFileSerie(dir.file(kFileSerieUfficiale), nullptr);
    ASSERT_TRUE(rif.ok()) << rif.errore.messaggio();
    EXPECT_EQ(rif.serie->periodi().size(), 121u);
    const PeriodoSerie* q2018 = rif.serie->periodo(Data{2018, 2, 1});
    EXPECT_EQ(rif.serie->righe()[q2018->prima].fonte, "decreto-mef");
    EXPECT_EQ(rif.serie->periodo(Data{2020, 9, 15})->fine, (Data{2020, 9, 30}));
    EXPECT_EQ(rif.serie->righe()[q2018->prima].tegm.testo(), "11,0154");
}

// A stored rate with more decimals stays when the series prints it rounded, and only then.
TEST(ImportaSerie, UnTassoConPiuDecimaliRestaSeLaSerieLoArrotonda) {
    TabellaTassi t;
    t.numPeriodi = 1;
    t.slot(1).numRec = 1;
    t.slot(1).periodo = "12018";
    t.slot(1).TM[1] = 11.018f; // a typing slip: 11,02 would be the series' rounding
    t.slot(1).TM[3] = 7.3839f; // the decree's figure
    PeriodoDallaSerie p;
    p.chiave = "12018";
    p.valori = t.slot(1);
    p.valori.TM[1] = 11.01f;
    p.valori.TM[3] = 7.38f;
    p.decimaliTM[1] = p.decimaliTM[3] = 2;
    RiepilogoImportazione r;
    std::string errore;
    ASSERT_TRUE(unisciPeriodi(t, {p}, r, errore)) << errore;
    EXPECT_EQ(r.modificati, 1);
    EXPECT_EQ(t.slot(1).TM[1], 11.01f);
    EXPECT_EQ(t.slot(1).TM[3], 7.3839f);
}

TEST(ImportaSerie, NulloCambiaSenzaUnaSerieValidaOSenzaConferma) {
    CartellaTemporanea dir, importata;
    ASSERT_TRUE(importaSerieUfficiale(kSerie, importata.cartella(), nullptr).fatto);
    for (const char* f : {kFileTassi, kFileNumeroTassi})
        std::filesystem::copy_file(importata.file(f), dir.file(f));
    const auto dati = test::leggiByte(dir.file(kFileTassi));
    const auto numero = test::leggiByte(dir.file(kFileNumeroTassi));
    std::string rinominata = test::leggiTesto(kSerie);
    for (std::size_t p = 0; (p = rinominata.find("ANTICIPI E SCONTI (dal", p)) != std::string::npos;)
        rinominata.replace(p, 17, "ANTICIPI E RIBASSI");
    test::scriviTesto(dir.file("rinominata.csv"), rinominata);
    test::scriviTesto(dir.file("rotta.csv"), "inizio;fine;categoria;classe;tegm;soglia\n01/01/2020;x;A;B;1;2\n");
    struct Caso {
        std::string file;
        bool conferma;
        const char* messaggio;
    };
    const Caso casi[] = {
        {dir.file("rinominata.csv"), true,
         "nel periodo 01/04/2010-30/06/2010 manca il tasso \"anticipi e sconti, prima"},
        {dir.file("rotta.csv"), true, "rotta.csv, riga 2, colonna 2: data di fine non valida"},
        {dir.file("manca.csv"), true, "il file non esiste"},
        {kSerie, false, ""},
    };
    for (const Caso& c : casi) {
        int domande = 0;
        const EsitoImportaSerie e =
            importaSerieUfficiale(c.file, dir.cartella(), nullptr, [&](const RiepilogoImportazione& r) {
                ++domande;
                EXPECT_EQ(r.invariati, 119);
                return c.conferma;
            });
        EXPECT_FALSE(e.fatto);
        EXPECT_NE(e.messaggio.find(c.messaggio), std::string::npos) << e.messaggio;
        EXPECT_EQ(domande, c.conferma ? 0 : 1);
        EXPECT_EQ(test::leggiByte(dir.file(kFileTassi)), dati);
        EXPECT_EQ(test::leggiByte(dir.file(kFileNumeroTassi)), numero);
        EXPECT_FALSE(std::filesystem::exists(dir.file(kFileSerieUfficiale)));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.cartella()), {}), 4); // nothing left behind
}

} // namespace
} // namespace vantrel
