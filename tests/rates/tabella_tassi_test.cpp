#include "rates/tabella_tassi.h"
#include "support/file_tassi.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::CartellaTemporanea;
using test::fileDati;
using test::leggiByte;
using test::Periodo;
using test::scriviByte;

TEST(TabellaTassi, ScritturaByteperByte) {
    CartellaTemporanea dir;
    TabellaTassi t;
    ASSERT_TRUE(t.caricaTassi(dir.cartella())); // missing files are created empty
    EXPECT_EQ(t.numPeriodi, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("NtassiU.dat")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("NRectassiU.dat")), 0u);

    const char* chiavi[] = {"12004", "22004", "2005"};
    std::vector<Periodo> attesi;
    for (int n = 1; n <= 3; ++n) {
        RecordTassi& r = t.slot(n);
        r.numRec = static_cast<std::int16_t>(n);
        r.periodo = chiavi[n - 1];
        r.TM[1] = 9.57f * static_cast<float>(n);
        r.TM[7] = 12.5f;
        r.TU[5] = 0.72f;
        t.numPeriodi = static_cast<std::int16_t>(n);
        ASSERT_TRUE(t.accoda(dir.cartella(), n));
        attesi.push_back(Periodo{chiavi[n - 1], 12.5f, 0, r.TM[1]});
        attesi.back().tu5 = 0.72f;
    }
    EXPECT_EQ(leggiByte(dir.file("NtassiU.dat")), fileDati(attesi));
    EXPECT_EQ(leggiByte(dir.file("NRectassiU.dat")), test::fileNumero(3));

    TabellaTassi letta;
    ASSERT_TRUE(letta.caricaTassi(dir.cartella()));
    EXPECT_EQ(letta.numPeriodi, 3);
    EXPECT_EQ(letta.cercaPeriodo("2005"), 3); // a year alone is stored with a trailing blank
    EXPECT_EQ(letta.cercaPeriodo("22004"), 2);
    EXPECT_EQ(letta.cercaPeriodo("32004"), 0);
    EXPECT_FLOAT_EQ(letta.slot(1).TM[1], 9.57f);
}

TEST(TabellaTassi, RiservaConservataEChiaviDoppie) {
    CartellaTemporanea dir;
    const std::uint32_t riserva = 0x7A7978AB; // the bytes AB 'x' 'y' 'z'
    Periodo primo{"32004", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, riserva};
    const Periodo secondo{"32004", 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, riserva};
    test::scriviTassi(dir, {primo, secondo});

    TabellaTassi t;
    ASSERT_TRUE(t.caricaTassi(dir.cartella()));
    EXPECT_EQ(t.cercaPeriodo("32004"), 1); // the first match wins
    EXPECT_FLOAT_EQ(t.slot(1).TM[7], 1);
    EXPECT_FLOAT_EQ(t.slot(1).TM[1], 3);
    EXPECT_FLOAT_EQ(t.slot(1).TU[6], 14);
    t.slot(1).TM[2] = 4.25f;
    ASSERT_TRUE(t.sovrascrivi(dir.cartella(), 1));
    primo.tm2 = 4.25f;
    EXPECT_EQ(leggiByte(dir.file("NtassiU.dat")), fileDati({primo, secondo}));
    EXPECT_EQ(leggiByte(dir.file("NRectassiU.dat")), test::fileNumero(2)); // count untouched
}

TEST(TabellaTassi, FileCortiEConteggiFuoriMisura) {
    struct Caso {
        const char* nome;
        std::vector<unsigned char> conteggio;
        int righeDati;
        int validi;
        const char* chiaveUltima;
    };
    const Caso casi[] = {
        {"conteggio vuoto", {}, 2, 0, ""},
        {"conteggio oltre i record", {5, 0}, 2, 5, ""}, // slots without a record: blank, zero
        {"oltre 200", {0x2C, 0x01}, 3, 200, ""},        // 300 periods: only 200 are read
        {"conteggio negativo", {0xFF, 0xFF}, 1, 0, ""},
        {"conteggio di un byte", {2}, 2, 2, "22001"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea dir;
        std::vector<Periodo> periodi;
        for (int n = 1; n <= c.righeDati; ++n)
            periodi.push_back(Periodo{std::to_string(n) + "2001", 0, 0, 1.5f * static_cast<float>(n)});
        scriviByte(dir.file("NtassiU.dat"), fileDati(periodi));
        scriviByte(dir.file("NRectassiU.dat"), c.conteggio);
        TabellaTassi t;
        t.caricaTassi(dir.cartella());
        EXPECT_EQ(t.validi(), c.validi);
        if (c.validi > 0) {
            EXPECT_EQ(t.slot(c.validi).periodo, c.chiaveUltima);
            if (std::string(c.chiaveUltima).empty()) {
                EXPECT_EQ(t.slot(c.validi).TM[1], 0.0f);
            }
        }
    }
}

} // namespace
} // namespace vantrel
