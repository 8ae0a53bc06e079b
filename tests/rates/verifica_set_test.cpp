#include "rates/fonti_tassi.h"
#include "rates/set_tassi.h"
#include "rates/tabella_tassi.h"
#include "rates/verifica_set.h"
#include "support/file_tassi.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::Bytes;
using test::Periodo;

std::vector<Periodo> trePeriodi() {
    return {Periodo{"42010", 1, 2, 3}, Periodo{"12011", 1, 2, 4}, Periodo{"22011", 1, 2, 5}};
}

TEST(VerificaSet, UnSetVieneLettoSoloSeInteroECoerente) {
    const auto con = [](std::size_t i, auto cambia) {
        std::vector<Periodo> p = trePeriodi();
        cambia(p[i]);
        return test::fileDati(p);
    };
    Bytes numeroSbagliato = test::fileDati(trePeriodi());
    numeroSbagliato[67] = 7; // the second record says it is the seventh
    const struct {
        const char* nome;
        const char* motivo; // beginning of the reason; empty when the set is read
        Bytes dati = test::fileDati(trePeriodi());
        Bytes numero = test::fileNumero(3);
    } casi[] = {
        {"intero", ""},
        {"conteggio maggiore", "il file NtassiU.dat ha 201 byte", test::fileDati(trePeriodi()), test::fileNumero(4)},
        {"zero periodi", "il set non contiene alcun periodo", {}, test::fileNumero(0)},
        {"pagina html", "il file NRectassiU.dat ha 6", test::fileDati(trePeriodi()),
         Bytes{'<', 'h', 't', 'm', 'l', '>'}},
        {"numero del record", "il record 2 porta il numero 7", numeroSbagliato},
        {"trimestre 5", "periodo non valido \"52011\"", con(1, [](Periodo& p) { p.chiave = "52011"; })},
        {"fuori ordine", "il periodo 32010 non segue il periodo 12011", con(2, [](Periodo& p) { p.chiave = "32010"; })},
        {"ripetuto", "il periodo 12011 non segue", con(2, [](Periodo& p) { p.chiave = "12011"; })},
        {"tasso oltre 100", "periodo 12011: il tasso TU6 (100,5) non è compreso tra 0 e 100",
         con(1, [](Periodo& p) { p.tu6 = 100.5f; })},
        {"tasso negativo", "periodo 12011: il tasso TM5", con(1, [](Periodo& p) { p.tm5 = -0.01f; })},
        {"non un numero", "periodo 42010: il tasso TM7 (non numerico)",
         con(0, [](Periodo& p) { p.tm7 = std::nanf(""); })},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        std::string errore;
        const auto t = leggiSetTassi(c.dati, c.numero, errore);
        EXPECT_EQ(t.has_value(), *c.motivo == '\0');
        EXPECT_EQ(errore.rfind(c.motivo, 0), 0u) << errore;
        if (t) {
            EXPECT_EQ(t->slot(3).TM[1], 5.0f);
        }
    }
}

class InstallaSet : public ::testing::Test {
protected:
    InstallaSet() { test::scriviTassi(dir, trePeriodi()); }
    EsitoInstallazione installa(const std::vector<Periodo>& nuovo, Risposta r) {
        std::string errore;
        const auto t = leggiSetTassi(test::fileDati(nuovo), test::fileNumero(static_cast<int>(nuovo.size())), errore);
        EXPECT_TRUE(t) << errore;
        return installaSetTassi(dir.cartella(), *t, [&](const Messaggio& m) {
            domande.push_back(m);
            if (durante) durante();
            return r;
        });
    }
    test::CartellaTemporanea dir;
    std::vector<Messaggio> domande;
    std::function<void()> durante; // what happens while the question waits for an answer
};

TEST_F(InstallaSet, LaDomandaMostraCosaCambiaENullaCambiaSuAnnulla) {
    // Older and smaller: one period changed, one missing, none new.
    const std::vector<Periodo> vecchio = {Periodo{"42010", 1, 2, 3}, Periodo{"12011", 1, 2, 9}};
    EXPECT_EQ(installa(vecchio, Risposta::Annulla).stato, EsitoInstallazione::Stato::Annullato);
    ASSERT_EQ(domande.size(), 1u);
    EXPECT_EQ(domande[0].titolo, "AVVERTIMENTO!");
    EXPECT_EQ(domande[0].predefinita, Risposta::Annulla);
    EXPECT_NE(domande[0].testo.find("0 periodi nuovi, 1 modificati, 1 che non sono nel set.\nI periodi che non sono "
                                    "nel set restano come sono."),
              std::string::npos)
        << domande[0].testo;
    EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), test::fileDati(trePeriodi()));

    // Accepted, it updates the period it changes and keeps the one it lacks.
    EXPECT_EQ(installa(vecchio, Risposta::Ok).stato, EsitoInstallazione::Stato::Installato);
    std::vector<Periodo> aggiornato = trePeriodi();
    aggiornato[1].tm1 = 9;
    EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), test::fileDati(aggiornato));

    // A newer one adds its period in time order.
    std::vector<Periodo> nuovo = {Periodo{"32010", 1, 2, 6}, Periodo{"32011", 1, 2, 7}};
    EXPECT_EQ(installa(nuovo, Risposta::Ok).stato, EsitoInstallazione::Stato::Installato);
    aggiornato.insert(aggiornato.begin(), nuovo[0]);
    aggiornato.push_back(nuovo[1]);
    EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), test::fileDati(aggiornato));
    EXPECT_EQ(test::leggiByte(dir.file("NRectassiU.dat")), test::fileNumero(5));

    // The same set again: nothing to ask, nothing written.
    EXPECT_EQ(installa(nuovo, Risposta::Ok).stato, EsitoInstallazione::Stato::Invariato);
    EXPECT_EQ(domande.size(), 3u);
}

TEST_F(InstallaSet, UnCambioDuranteLaDomandaAnnullaLaSostituzione) {
    std::vector<Periodo> nuovo = trePeriodi(), altro = trePeriodi();
    nuovo.push_back(Periodo{"32011"});
    altro.push_back(Periodo{"42011"});
    durante = [&] { test::scriviTassi(dir, altro); }; // another program saves a period
    EXPECT_EQ(installa(nuovo, Risposta::Ok).stato, EsitoInstallazione::Stato::Errore);
    EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), test::fileDati(altro));
}

// Missing files are made empty. Each rate from its own place in the record (TM7 TM8 TM1..TM6, TU1..TU6);
// of two periods with one key the first wins; a key saved without its quarter ("2005 ") is found by its digits.
TEST(TabellaTassi, FileMancantiCampiDelRecordEChiavi) {
    test::CartellaTemporanea dir;
    TabellaTassi t;
    ASSERT_TRUE(t.caricaTassi(dir.cartella()));
    EXPECT_EQ(t.numPeriodi, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.file("NtassiU.dat")), 0u);
    EXPECT_EQ(std::filesystem::file_size(dir.file("NRectassiU.dat")), 0u);
    test::scriviTassi(dir, {Periodo{"32004", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, Periodo{"32004", 0, 0, 7},
                            Periodo{"2005"}});
    ASSERT_TRUE(t.caricaTassi(dir.cartella()));
    EXPECT_EQ(t.cercaPeriodo("32004"), 1);
    EXPECT_EQ(t.cercaPeriodo("2005"), 3);
    EXPECT_EQ(t.cercaPeriodo("22004"), 0);
    const RecordTassi& r = t.slot(1);
    EXPECT_EQ(r.TM[7], 1);
    EXPECT_EQ(r.TM[8], 2);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(r.TM[static_cast<std::size_t>(i)], static_cast<float>(i + 2)) << "TM" << i;
        EXPECT_EQ(r.TU[static_cast<std::size_t>(i)], static_cast<float>(i + 8)) << "TU" << i;
    }
}

// A disk that tells each flush to the test.
struct DiscoCheAvvisa : Disco {
    std::function<void()> avvisa;
    bool sincronizza(const std::string&) override { return avvisa(), true; }
    std::unique_ptr<BloccoFile> blocca(const std::string&, bool) override { return nullptr; }
};

// The repair of a replacement cut short after its journal was valid flushes the new files' names while
// the journal is still there: a power cut after the journal goes must find the new set in place.
TEST(SetTassi, LaRiparazioneFissaIlNuovoSetPrimaDiTogliereIlGiornale) {
    test::CartellaTemporanea dir;
    test::scriviTassi(dir, trePeriodi());
    std::string errore;
    const std::vector<Periodo> nuovo = {Periodo{"12012", 1, 2, 9}};
    const auto t = leggiSetTassi(test::fileDati(nuovo), test::fileNumero(1), errore);
    ASSERT_TRUE(t) << errore;
    scriviSetTassi(dir.cartella(), *t, nullptr, errore, [](PassoSet p) { return p == PassoSet::GiornaleValido; });
    bool fissato = false;
    DiscoCheAvvisa disco;
    disco.avvisa = [&] {
        fissato |= std::filesystem::exists(dir.file(kFileGiornaleTassi)) &&
                   test::leggiByte(dir.file(kFileTassi)) == test::fileDati(nuovo);
    };
    riparaSetTassi(dir.cartella(), &disco);
    EXPECT_TRUE(fissato);
    EXPECT_FALSE(std::filesystem::exists(dir.file(kFileGiornaleTassi)));
}

TEST(FontiTassi, RegistrateAccantoAiTassi) {
    test::CartellaTemporanea dir;
    const std::string c = dir.cartella();
    ASSERT_TRUE(registraFontiTassi(c, {{"12018", "decreto"}, {"42017", "serie\r\nstorica"}}));
    ASSERT_TRUE(registraFontiTassi(c, {{"22018", fonti::utente}})); // the others are kept
    EXPECT_EQ(test::leggiTesto(dir.file(kFileFontiTassi)),
              "periodo;fonte\n42017;serie  storica\n12018;decreto\n22018;inserito dall'utente\n");
    ASSERT_TRUE(registraFontiTassi(c, {{"32018", fonti::server}}, true));
    EXPECT_EQ(fonteTassi(c, "12018"), fonti::nonRegistrata);
    EXPECT_EQ(fonteTassi(c, " 32018 "), fonti::server);
    // Written by another program: read again with the rate set, as the rates themselves are.
    test::scriviTesto(dir.file(kFileFontiTassi), "periodo;fonte\n32018;decreto del 28/06/2018\n");
    TabellaTassi t;
    caricaSetTassi(t, c, nullptr);
    EXPECT_EQ(fonteTassi(c, "32018"), "decreto del 28/06/2018");
    // As in any CSV file, a byte-order mark opens only the file and a heading only its first line.
    test::scriviTesto(dir.file(kFileFontiTassi), "\xEF\xBB\xBFperiodo;fonte\r\n32018;decreto\r\nperiodo;fonte\r\n");
    EXPECT_EQ(leggiFontiTassi(c), (std::map<std::string, std::string>{{"32018", "decreto"}, {"periodo", "fonte"}}));
}

} // namespace
} // namespace vantrel
