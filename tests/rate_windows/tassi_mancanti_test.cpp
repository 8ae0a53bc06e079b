// A rate table that is missing, empty or damaged is told apart and said in Italian, by the table
// load and by the rate window; a damaged period never gives a threshold.
#include "rate_windows/usurari.h"
#include "rates/avvisi_tassi.h"
#include "support/ambiente.h"
#include "support/file_tassi.h"

#include <gtest/gtest.h>
#include <limits>

namespace vantrel {
namespace {

using test::Bytes;
using test::Periodo;

TEST(TassiMancanti, IlCaricamentoDistingueAssenteVuotaEDanneggiata) {
    const Periodo buono{"12020", 0, 0, 10.5f};
    const Periodo storto{"1202x", 0, 0, 10.5f};
    const Bytes nan = test::fileDati({buono, Periodo{"22020", 0, 0, std::numeric_limits<float>::quiet_NaN()}});
    // The case; its two files (or none); the table's state, the periods it holds (blank ones included), its fault.
    using enum StatoTassi;
    const std::tuple<const char*, std::optional<Bytes>, std::optional<Bytes>, StatoTassi, int, const char*> casi[] = {
        {"nessun file", std::nullopt, std::nullopt, Assente, 0, ""},
        {"file vuoti", Bytes{}, Bytes{}, Vuota, 0, ""},
        {"un periodo", test::fileDati({buono}), test::fileNumero(1), Caricata, 1, ""},
        {"conteggio oltre i dati", test::fileDati({buono}), test::fileNumero(3), Illeggibile, 3,
         "indica 3 periodi ma NtassiU.dat ne contiene 1"},
        {"oltre 200", test::fileDati({buono}), test::fileNumero(300), Illeggibile, 200, "indica 300 periodi"},
        {"dati senza conteggio", test::fileDati({buono}), std::nullopt, Illeggibile, 0, "manca"},
        {"conteggio di un byte", test::fileDati({buono, buono}), Bytes{2}, Illeggibile, 2, "1 byte"},
        {"conteggio di 3 byte", test::fileDati({buono}), Bytes{1, 0, 0}, Illeggibile, 1, "3 byte"},
        {"conteggio negativo", Bytes{}, Bytes{0xFF, 0xFF}, Illeggibile, 0, "-1 periodi"},
        {"chiave non numerica", test::fileDati({buono, storto}), test::fileNumero(2), Illeggibile, 2, "dal record 2"},
        {"tasso non numerico", nan, test::fileNumero(2), Illeggibile, 2, "1 periodo con dati non validi"},
        {"tasso negativo", test::fileDati({buono, Periodo{"22020", 0, 0, -1}}), test::fileNumero(2), Illeggibile, 2,
         "1 periodo con dati non validi"},
    };
    for (const auto& [nome, dati, numero, stato, validi, difetto] : casi) {
        SCOPED_TRACE(nome);
        test::CartellaTemporanea dir;
        if (dati) test::scriviByte(dir.file(kFileTassi), *dati);
        if (numero) test::scriviByte(dir.file(kFileNumeroTassi), *numero);
        TabellaTassi t;
        t.caricaTassi(dir.cartella());
        EXPECT_EQ(t.stato(), stato);
        EXPECT_EQ(t.validi(), validi);
        if (validi > 1) { // a slot without a good record stays blank
            EXPECT_EQ(t.slot(validi).TM[1], nome == std::string("conteggio di un byte") ? 10.5f : 0);
        }
        EXPECT_NE(t.difetto().find(difetto), std::string::npos) << t.difetto();
        EXPECT_EQ(avvisoTabellaTassi(t).empty(), stato == Caricata);
        // The damaged period is left out; the good one stays.
        if (std::string(nome).starts_with("chiave") || std::string(nome).starts_with("tasso")) {
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
