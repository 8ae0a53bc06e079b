#include "rates/tabella_tassi.h"
#include "support/temp_dir.h"

#include <cstring>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::CartellaTemporanea;
using test::leggiByte;
using test::scriviByte;

// A record laid out by hand from the file's documented offsets, independent of the program's coder.
std::vector<unsigned char> recordAMano(std::int16_t n, const char* chiave, std::initializer_list<float> singles,
                                       const unsigned char riserva[4]) {
    std::vector<unsigned char> b(67, 0);
    b[0] = static_cast<unsigned char>(n & 0xFF);
    b[1] = static_cast<unsigned char>((n >> 8) & 0xFF);
    const std::size_t len = std::strlen(chiave);
    for (std::size_t i = 0; i < 5; ++i)
        b[2 + i] = i < len ? static_cast<unsigned char>(chiave[i]) : ' ';
    std::size_t off = 7; // TM7 TM8 TM1 TM2 TM3 TM4 TM5 TM6 TU1 TU2 TU3 TU4 TU5 TU6
    for (float f : singles) {
        std::memcpy(&b[off], &f, 4); // the build machine is little-endian, as the files are
        off += 4;
    }
    std::memcpy(&b[63], riserva, 4);
    return b;
}

TEST(TabellaTassi, ScritturaByteperByte) {
    CartellaTemporanea dir;
    TabellaTassi t;
    ASSERT_TRUE(t.CaricaTassi(dir.cartella())); // missing files are created empty
    EXPECT_EQ(t.NumPeriodi, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("NtassiU.dat")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("NRectassiU.dat")), 0u);

    const char* chiavi[] = {"12004", "22004", "2005"};
    for (int n = 1; n <= 3; ++n) {
        RecordTassi& r = t.slot(n);
        r.NumRec = static_cast<std::int16_t>(n);
        r.Periodo = chiavi[n - 1];
        r.TM[1] = 9.57f * static_cast<float>(n);
        r.TM[7] = 12.5f;
        r.TU[5] = 0.72f;
        t.NumPeriodi = static_cast<std::int16_t>(n);
        ASSERT_TRUE(t.Accoda(dir.cartella(), n));
    }
    const auto dati = leggiByte(dir.file("NtassiU.dat"));
    ASSERT_EQ(dati.size(), 201u);
    const unsigned char zero[4] = {0, 0, 0, 0};
    const auto terzo = recordAMano(3, "2005", {12.5f, 0, 9.57f * 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.72f, 0}, zero);
    EXPECT_EQ(std::vector<unsigned char>(dati.begin() + 134, dati.end()), terzo);
    EXPECT_EQ(dati[136], '2'); // the key of the third record
    EXPECT_EQ(leggiByte(dir.file("NRectassiU.dat")), (std::vector<unsigned char>{3, 0}));

    TabellaTassi letta;
    ASSERT_TRUE(letta.CaricaTassi(dir.cartella()));
    EXPECT_EQ(letta.NumPeriodi, 3);
    EXPECT_EQ(letta.CercaPeriodo("2005"), 3); // a year alone is stored with a trailing blank
    EXPECT_EQ(letta.CercaPeriodo("22004"), 2);
    EXPECT_EQ(letta.CercaPeriodo("32004"), 0);
    EXPECT_FLOAT_EQ(letta.slot(1).TM[1], 9.57f);
}

TEST(TabellaTassi, RiservaConservataEChiaviDoppie) {
    CartellaTemporanea dir;
    const unsigned char riserva[4] = {0xAB, 'x', 'y', 'z'};
    auto a = recordAMano(1, "32004", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, riserva);
    const auto b = recordAMano(2, "32004", {0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, riserva);
    a.insert(a.end(), b.begin(), b.end());
    scriviByte(dir.file("NtassiU.dat"), a);
    scriviByte(dir.file("NRectassiU.dat"), {2, 0});

    TabellaTassi t;
    ASSERT_TRUE(t.CaricaTassi(dir.cartella()));
    EXPECT_EQ(t.CercaPeriodo("32004"), 1); // the first match wins
    EXPECT_FLOAT_EQ(t.slot(1).TM[7], 1);
    EXPECT_FLOAT_EQ(t.slot(1).TM[1], 3);
    EXPECT_FLOAT_EQ(t.slot(1).TU[6], 14);
    t.slot(1).TM[2] = 4.25f;
    ASSERT_TRUE(t.Sovrascrivi(dir.cartella(), 1));
    const auto dopo = leggiByte(dir.file("NtassiU.dat"));
    EXPECT_EQ(dopo.size(), 134u);
    EXPECT_EQ(std::vector<unsigned char>(dopo.begin() + 63, dopo.begin() + 67),
              (std::vector<unsigned char>{0xAB, 'x', 'y', 'z'}));
    EXPECT_EQ(leggiByte(dir.file("NRectassiU.dat")), (std::vector<unsigned char>{2, 0})); // count untouched
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
        std::vector<unsigned char> dati;
        const unsigned char zero[4] = {0, 0, 0, 0};
        for (int n = 1; n <= c.righeDati; ++n) {
            const std::string chiave = std::to_string(n) + "2001";
            const auto r = recordAMano(static_cast<std::int16_t>(n), chiave.c_str(),
                                       {0, 0, 1.5f * static_cast<float>(n), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, zero);
            dati.insert(dati.end(), r.begin(), r.end());
        }
        scriviByte(dir.file("NtassiU.dat"), dati);
        scriviByte(dir.file("NRectassiU.dat"), c.conteggio);
        TabellaTassi t;
        t.CaricaTassi(dir.cartella());
        EXPECT_EQ(t.validi(), c.validi);
        if (c.validi > 0) {
            EXPECT_EQ(t.slot(c.validi).Periodo, c.chiaveUltima);
            if (std::string(c.chiaveUltima).empty()) {
                EXPECT_EQ(t.slot(c.validi).TM[1], 0.0f);
            }
        }
    }
}

} // namespace
} // namespace vantrel
