// A rate table that is missing, empty or damaged is told apart and said in Italian, by the table
// load and by the rate window; a damaged period never gives a threshold.
#include "finestre_tassi/usurari.h"
#include "rates/avvisi_tassi.h"
#include "support/ambiente.h"
#include "support/file_tassi.h"

#include <bit>
#include <gtest/gtest.h>
#include <limits>

namespace vantrel {
namespace {

using test::Bytes;
using test::Periodo;

TEST(TassiMancanti, IlCaricamentoDistingueAssenteVuotaEDanneggiata) {
    const Periodo buono{"12020", 0, 0, 10.5f};
    Periodo storto = buono;
    storto.chiave = "1202x";
    Bytes nan = test::fileDati({buono, buono});
    const auto q = std::bit_cast<std::uint32_t>(std::numeric_limits<float>::quiet_NaN());
    for (int i = 0; i < 4; ++i) // TM1 of the second record
        nan[67 + 15 + static_cast<std::size_t>(i)] = static_cast<unsigned char>(q >> (8 * i));
    struct Caso {
        const char* nome;
        std::optional<Bytes> dati, numero;
        StatoTassi stato;
        const char* difetto;
    };
    const Caso casi[] = {
        {"nessun file", std::nullopt, std::nullopt, StatoTassi::Assente, ""},
        {"file vuoti", Bytes{}, Bytes{}, StatoTassi::Vuota, ""},
        {"un periodo", test::fileDati({buono}), test::fileNumero(1), StatoTassi::Caricata, ""},
        {"conteggio oltre i dati", test::fileDati({buono}), test::fileNumero(3), StatoTassi::Illeggibile,
         "indica 3 periodi ma NtassiU.dat ne contiene 1"},
        {"dati senza conteggio", test::fileDati({buono}), std::nullopt, StatoTassi::Illeggibile, "manca"},
        {"conteggio di 3 byte", test::fileDati({buono}), Bytes{1, 0, 0}, StatoTassi::Illeggibile, "3 byte"},
        {"conteggio negativo", Bytes{}, Bytes{0xFF, 0xFF}, StatoTassi::Illeggibile, "-1 periodi"},
        {"chiave non numerica", test::fileDati({buono, storto}), test::fileNumero(2), StatoTassi::Illeggibile,
         "dal record 2"},
        {"tasso non numerico", nan, test::fileNumero(2), StatoTassi::Illeggibile, "1 periodo con dati non validi"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::CartellaTemporanea dir;
        if (c.dati) test::scriviByte(dir.file(kFileTassi), *c.dati);
        if (c.numero) test::scriviByte(dir.file(kFileNumeroTassi), *c.numero);
        TabellaTassi t;
        t.caricaTassi(dir.cartella());
        EXPECT_EQ(t.stato(), c.stato);
        EXPECT_NE(t.difetto().find(c.difetto), std::string::npos) << t.difetto();
        EXPECT_EQ(avvisoTabellaTassi(t).empty(), c.stato == StatoTassi::Caricata);
        // The damaged period is left out; the good one stays.
        if (std::string(c.nome).starts_with("chiave") || std::string(c.nome).starts_with("tasso")) {
            EXPECT_EQ(t.cercaPeriodo("12020"), 1);
            EXPECT_EQ(t.slot(2).periodo, "");
        }
    }
}

TEST(TassiMancanti, LaFinestraDeiTassiDiceCosaManca) {
    test::Ambiente a;
    Usurari vuota(a.ctx);
    EXPECT_NE(vuota.testo(vuota.id("LblStato")).find("non è presente"), std::string::npos);
    EXPECT_NE(vuota.testo(vuota.id("LblStato")).find("tassi importa-serie"), std::string::npos);
    test::scriviTassi(a.dir, {Periodo{"42026", 0, 0, 10}});
    Usurari piena(a.ctx);
    EXPECT_EQ(piena.testo(piena.id("LblStato")), "");
    EXPECT_TRUE(a.risposte.mostrati().empty());
}

} // namespace
} // namespace vantrel
