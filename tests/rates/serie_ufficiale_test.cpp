#include "rates/importa_serie.h"
#include "rates/lettura_serie.h"
#include "rates/norma_soglia.h"
#include "rates/riferimento_serie.h"
#include "rates/soglia_ufficiale.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <iterator>

namespace vantrel {
namespace {

const std::string kSerieCompleta = VANTREL_DATA_DIR "/serie-ufficiale-completa.csv";

const SerieUfficiale& serie() {
    static const EsitoSerie esito = leggiFileSerie(kSerieCompleta, nullptr);
    if (!esito.ok()) ADD_FAILURE() << esito.errore.messaggio();
    return *esito.serie;
}

Data data(const char* t) {
    return *leggiData(t);
}

// Every row of the series against the rule of its period: exact, or the series' rounding of the
// exact figure (two decimals from 2015 to 2025, half-way cases either way); the 2018 decree
// rounds from averages with more decimals than it prints, so its fourth decimal may differ by one.
TEST(SerieUfficiale, OgniSogliaPubblicataSegueLaRegolaDelPeriodo) {
    int cap = 0;
    for (const RigaSerie& r : serie().righe()) {
        const SogliaUfficiale s = sogliaUfficiale(r);
        const std::int64_t scarto = std::abs(s.sogliaRegola.unita - r.soglia.unita);
        std::int64_t unita = TassoEsatto::kPunto; // one unit of the published figure's last decimal
        for (int d = 0; d < r.soglia.decimali; ++d)
            unita /= 10;
        const std::int64_t tolleranza = r.fonte == "decreto-mef" ? unita : unita / 2;
        EXPECT_LE(scarto, tolleranza) << "riga " << r.riga << ": " << r.soglia.testo() << " contro "
                                      << s.sogliaRegola.testo();
        // The cap binds where TEGM + 8 is below TEGM x 1,25 + 4 (at 16 both give 24).
        cap += s.regola == Norma::Nuova && s.sogliaRegola.unita == r.tegm.unita + 8 * TassoEsatto::kPunto &&
               r.tegm.unita != 16 * TassoEsatto::kPunto;
    }
    EXPECT_EQ(serie().righe().size(), 2667u);
    EXPECT_EQ(serie().periodi().size(), 120u);
    EXPECT_EQ(cap, 69); // the rows where TEGM + 8 binds
}

// The row of the date, category and amount; its figures against the rule are the test above's.
TEST(SerieUfficiale, RicercaPerDataCategoriaEImporto) {
    // The date, the words and the amount (none given where it is 0); the start of the category's name found,
    // its class, TEGM and rule.
    using enum Norma;
    const std::tuple<const char*, const char*, double, const char*, const char*, const char*, Norma> casi[] = {
        // Lire classes: 10 million lire are 5.164,57 euro.
        {"02/04/1997", "aperture di credito", 5164.56, "APERTURE", "fino a 10 milioni di lire", "16,18", Vecchia},
        // Mortgages: one category up to 30/06/2004, fixed and floating after, renamed on 01/10/2025.
        {"01/07/2004", "mutui ipotecari a tasso fisso", 0, "MUTUI IPOTECARI A TASSO FISSO (dal", "intera distribuzione",
         "5,47", Vecchia},
        {"31/03/2026", "Mutui ipotecari a tasso fisso", 0, "Mutui con garanzia ipotecaria a tasso fisso",
         "intera distribuzione", "3,96", Nuova},
        // Advances: two classes in the 1st quarter of 2010, 5.000 / 100.000 from 01/04/2010, 50.000 / 200.000 from
        // 01/04/2017, the 2025 name.
        {"15/02/2010", "anticipi", 150000, "ANTICIPI, SCONTI COMMERCIALI E ALTRI FINANZIAMENTI ALLE IMPRESE (I",
         "oltre 5.000 euro", "5,43", Vecchia},
        {"01/04/2010", "anticipi e sconti", 100000, "ANTICIPI E SCONTI", "da 5.000 a 100.000 euro", "6,31", Vecchia},
        {"30/06/2017", "anticipi", 200000, "ANTICIPI, SCONTI COMMERCIALI E FINANZIAMENTI", "da 50.000 a 200.000 euro",
         "5,52", Nuova},
        // The switch of 14/05/2011 inside the 2nd quarter.
        {"14/05/2011", "aperture di credito", 100, "APERTURE", "fino a 5.000 euro", "11,1", Nuova},
        // The quarter the series ends on 01/09/2020 runs to 30/09/2020; one class needs no amount.
        {"30/09/2020", "credito revolving", 0, "CREDITO REVOLVING", "intera distribuzione", "15,95", Nuova},
    };
    for (const auto& [giorno, parole, importo, categoria, classe, tegm, regola] : casi) {
        SCOPED_TRACE(std::string(giorno) + " " + parole);
        const RicercaSerie r = serie().cerca(data(giorno), parole, importo > 0 ? std::optional(importo) : std::nullopt);
        ASSERT_NE(r.riga, nullptr) << r.errore;
        EXPECT_TRUE(r.riga->categoria.starts_with(categoria)) << r.riga->categoria;
        EXPECT_EQ(r.riga->classe, classe);
        EXPECT_EQ(r.riga->tegm.testo(), tegm);
        EXPECT_EQ(sogliaUfficiale(*r.riga).regola, regola);
    }
}

TEST(SerieUfficiale, RicercheSenzaRisposta) {
    // The date, the words, the amount, the error, the classes offered.
    const std::tuple<const char*, const char*, std::optional<double>, const char*, std::size_t> casi[] = {
        {"01/04/1997", "aperture", 1, "la serie ufficiale non ha tassi per il 01/04/1997", 0},
        {"15/03/2015", "leasing immobiliare", {}, "corrisponde a più categorie", 0},
        {"15/03/2015", "mutui fondiari", {}, "nessuna categoria in vigore il 15/03/2015", 0},
        {"15/03/2015", "anticipi", {}, "3 classi di importo: indicare l'importo", 3},
        {"15/03/2005", "leasing", {}, "4 classi", 4}, // one category before 2010, four classes
    };
    for (const auto& [giorno, parole, importo, errore, classi] : casi) {
        const RicercaSerie r = serie().cerca(data(giorno), parole, importo);
        EXPECT_EQ(r.riga, nullptr) << parole;
        EXPECT_NE(r.errore.find(errore), std::string::npos) << r.errore;
        EXPECT_EQ(r.classi.size(), classi) << parole;
    }
}

TEST(SerieUfficiale, CategorieInVigoreCambianoConLaData) {
    for (const auto& [giorno, categorie] : {std::pair{"02/04/1997", 8u}, {"01/01/2010", 15u}, {"01/10/2025", 16u}}) {
        const auto cat = serie().categorie(data(giorno));
        ASSERT_EQ(cat.size(), categorie) << giorno;
        EXPECT_EQ(cat[0].classi.size(), 2u); // overdrafts, by amount
    }
}

TEST(SerieUfficiale, MaggiorazioneDegliInteressiMoratori) {
    using enum TipoMora;
    for (const auto& [giorno, tipo, punti] : {std::tuple{"31/03/2003", AltriFinanziamenti, ""}, // none published yet
                                              {"01/04/2003", Leasing, "2,1"},
                                              {"01/01/2018", MutuoOltreCinqueAnni, "1,9"},
                                              {"31/12/2026", AltriFinanziamenti, "3,1"}}) {
        const auto m = maggiorazioneMora(data(giorno), tipo);
        EXPECT_EQ(m ? m->punti.testo() : "", punti) << giorno;
    }
    // 1st quarter 2018, revolving: the late-payment points count in the cap of TEGM + 8.
    const RicercaSerie revolving = serie().cerca(data("01/02/2018"), "revolving");
    ASSERT_NE(revolving.riga, nullptr);
    EXPECT_EQ(sogliaUfficiale(*revolving.riga).sogliaMora->testo(4), "27,2488"); // 16,1488 + 3,1 + 8
    EXPECT_EQ(tipoMoraDiCategoria("LEASING IMMOBILIARE A TASSO FISSO (dal 1° aprile 2011)"), Leasing);
}

// "fino a X" holds X and "oltre X" does not, in the currency the class is written in; an amount in the
// other currency is converted at 1.936,27.
TEST(SerieUfficiale, LimitiDelleClassi) {
    using enum Valuta;
    const std::tuple<const char*, double, Valuta, bool> casi[] = {
        {"fino a 5.000 euro", 5000, Euro, true},
        {"oltre 5.000 euro", 5000, Euro, false},
        {"oltre 5.000 euro", 5000.01, Euro, true},
        {"oltre 1.500 fino a 5.000 euro", 1500, Euro, false},
        {"oltre 1.500 fino a 5.000 euro", 1500.01, Euro, true},
        {"oltre 1.500 fino a 5.000 euro", 5000.01, Euro, false},
        {"da 50.000 a 200.000 euro", 50000, Euro, false},
        {"da 50.000 a 200.000 euro", 200000, Euro, true},
        {"fino a 10 milioni di lire", 10000000, Lire, true},
        {"oltre 10 milioni di lire", 10000000, Lire, false},
        {"oltre 10 milioni di lire", 10000001, Lire, true},
        {"fino a 10 milioni di lire", 5164.56, Euro, true},  // 9.999.988 lire
        {"fino a 10 milioni di lire", 5164.57, Euro, false}, // 10.000.008 lire
        {"fino a 1.500 euro", 2904405, Lire, true},          // 1.499,9999 euro
        {"da 2,5 a 10 milioni di lire", 1291.14, Euro, false},
        {"da 50 milioni di lire", 25822.84, Euro, false},
        {"intera distribuzione", 1e9, Euro, true},
        {"fino a cinquemila euro", 1, Euro, false},
        {"da 200.000 a 50.000 euro", 100000, Euro, false},
    };
    for (const auto& [classe, importo, valuta, dentro] : casi)
        EXPECT_EQ(leggiClasse(classe).contiene(importo, valuta), dentro) << classe << " " << importo;
}

// The folder's series is read once, and again whenever the file changes: a broken file says why
// (and is not read again for every period), a file put right or replaced is seen at once.
TEST(SerieUfficiale, SerieDellaCartellaSegueIlFile) {
    test::CartellaTemporanea dir;
    const std::string file = dir.file(kFileSerieUfficiale);
    const std::string buona = test::leggiTesto(kSerieCompleta);
    std::string errore;
    EXPECT_FALSE(serieDellaCartella(dir.cartella(), errore)) << "no file";
    EXPECT_FALSE(errore.empty());
    test::scriviTesto(file, buona + "riga;sbagliata\n");
    EXPECT_FALSE(serieDellaCartella(dir.cartella(), errore));
    EXPECT_FALSE(errore.empty());
    test::scriviTesto(file, buona);
    const auto serie = serieDellaCartella(dir.cartella(), errore);
    ASSERT_TRUE(serie);
    EXPECT_EQ(serieDellaCartella(dir.cartella(), errore), serie) << "read once";
    test::scriviTesto(file, buona.substr(0, buona.find("\n01/01/2000")) + "\n");
    const auto ridotta = serieDellaCartella(dir.cartella(), errore);
    ASSERT_TRUE(ridotta);
    EXPECT_LT(ridotta->righe().size(), serie->righe().size());
}

// The Bank of Italy's own file against a folder that has the completed series: it prints two
// decimals for 1st quarter 2018 and ends the 3rd quarter of 2020 on 01/09; a new quarter arrives.
TEST(ImportaSerie, SerieDellaBancaDItaliaSuUnaCartellaCompleta) {
    test::CartellaTemporanea dir;
    ASSERT_TRUE(importaSerieUfficiale(kSerieCompleta, dir.cartella(), nullptr).fatto);
    std::string bdi = "INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA\n";
    const SerieUfficiale completa = *leggiFileSerie(kSerieCompleta, nullptr).serie;
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

// A stored period stays over an imported one when each imported figure is its rounding: within half a
// unit of the imported figure's last decimal, half-way included.
TEST(ImportaSerie, UnPeriodoPiuPrecisoRestaSeLaSerieLoArrotonda) {
    const auto serie = [](const std::string& tegm) {
        return *leggiSerieUfficiale("INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA\n01/01/2018;31/03/2018;Factoring;x;" +
                                    tegm + ";17,7693\n")
                    .serie;
    };
    const SerieUfficiale memorizzata = serie("11,0154");
    const std::pair<const char*, const char*> casi[] = {
        {"11,02", "11,0154"}, {"11,01", "11,01"}, {"11,015", "11,0154"}, {"11,016", "11,016"}};
    for (const auto& [importato, atteso] : casi)
        EXPECT_EQ(unisciSerie(&memorizzata, serie(importato)).righe().at(0).tegm.testo(), atteso) << importato;
}

// The rule written out: at least two decimals a side, more where the exact figure has them.
TEST(NormaSoglia, FormulaConLeCifre) {
    const std::tuple<const char*, Norma, const char*> casi[] = {
        {"7,13", Norma::Vecchia, "7,13 x 1,5 = 10,695"},
        {"10", Norma::Vecchia, "10,00 x 1,5 = 15,00"},
        {"11,7", Norma::Nuova, "11,70 x 1,25 + 4 = 18,625"},
        {"18", Norma::Nuova, "18,00 + 8 = 26,00 (tetto di 8 punti sul tasso medio)"}};
    for (const auto& [media, norma, atteso] : casi)
        EXPECT_EQ(formulaSoglia(*TassoEsatto::leggi(media), norma), atteso);
}

TEST(ImportaSerie, NulloCambiaSenzaUnaSerieValidaOSenzaConferma) {
    test::CartellaTemporanea dir, importata;
    ASSERT_TRUE(importaSerieUfficiale(kSerieCompleta, importata.cartella(), nullptr).fatto);
    for (const char* f : {kFileTassi, kFileNumeroTassi})
        std::filesystem::copy_file(importata.file(f), dir.file(f));
    const auto dati = test::leggiByte(dir.file(kFileTassi));
    const auto numero = test::leggiByte(dir.file(kFileNumeroTassi));
    std::string rinominata = test::leggiTesto(kSerieCompleta);
    for (std::size_t p = 0; (p = rinominata.find("ANTICIPI E SCONTI (dal", p)) != std::string::npos;)
        rinominata.replace(p, 17, "ANTICIPI E RIBASSI");
    test::scriviTesto(dir.file("rinominata.csv"), rinominata);
    test::scriviTesto(dir.file("rotta.csv"), "inizio;fine;categoria;classe;tegm;soglia\n01/01/2020;x;A;B;1;2\n");
    const std::tuple<std::string, bool, const char*> casi[] = {
        {dir.file("rinominata.csv"), true,
         "nel periodo 01/04/2010-30/06/2010 manca il tasso \"anticipi e sconti, prima"},
        {dir.file("rotta.csv"), true, "rotta.csv, riga 2, colonna 2: data di fine non valida"},
        {dir.file("manca.csv"), true, "il file non esiste"},
        {kSerieCompleta, false, ""},
    };
    for (const auto& [file, conferma, messaggio] : casi) {
        int domande = 0;
        const EsitoImportaSerie e =
            importaSerieUfficiale(file, dir.cartella(), nullptr, [&](const RiepilogoImportazione& r) {
                ++domande;
                EXPECT_EQ(r.invariati, 119);
                return conferma;
            });
        EXPECT_FALSE(e.fatto);
        EXPECT_NE(e.messaggio.find(messaggio), std::string::npos) << e.messaggio;
        EXPECT_EQ(domande, conferma ? 0 : 1);
        EXPECT_EQ(test::leggiByte(dir.file(kFileTassi)), dati);
        EXPECT_EQ(test::leggiByte(dir.file(kFileNumeroTassi)), numero);
        EXPECT_FALSE(std::filesystem::exists(dir.file(kFileSerieUfficiale)));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.cartella()), {}), 4); // nothing left behind
}

} // namespace
} // namespace vantrel
