#include "common/file_record.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Byte = std::vector<std::uint8_t>;

TEST(FileRecord, RecordAlSuoPostoEBuchiAZero) {
    test::CartellaTemporanea dir;
    const FileRecord f(dir.file("r.dat"), 3);
    Byte letto;
    ASSERT_TRUE(f.leggi(2, letto)); // a missing file is created empty and reads as zero bytes
    EXPECT_EQ(letto, Byte(3, 0));
    EXPECT_TRUE(test::leggiByte(dir.file("r.dat")).empty());

    ASSERT_TRUE(f.scrivi(3, {7, 8, 9}));
    EXPECT_EQ(test::leggiByte(dir.file("r.dat")), (std::vector<unsigned char>{0, 0, 0, 0, 0, 0, 7, 8, 9}));
    ASSERT_TRUE(f.scrivi(1, {1, 2, 3})); // overwriting one record leaves the others alone
    ASSERT_TRUE(f.leggi(3, letto));
    EXPECT_EQ(letto, (Byte{7, 8, 9}));
    ASSERT_TRUE(f.leggi(1, letto));
    EXPECT_EQ(letto, (Byte{1, 2, 3}));
    ASSERT_TRUE(f.leggi(4, letto)); // past the end
    EXPECT_EQ(letto, Byte(3, 0));

    test::scriviByte(dir.file("corto.dat"), {5, 6, 7, 8});
    ASSERT_TRUE(FileRecord(dir.file("corto.dat"), 3).leggi(2, letto)); // a cut record: its tail reads as zero
    EXPECT_EQ(letto, (Byte{8, 0, 0}));
    EXPECT_FALSE(FileRecord(dir.cartella(), 3).scrivi(1, {1, 2, 3}));
}

TEST(FileRecord, CampiLittleEndianETestiFissi) {
    Byte b(8, 0xAA);
    scriviI16(b.data(), -2);
    EXPECT_EQ((Byte(b.begin(), b.begin() + 2)), (Byte{0xFE, 0xFF}));
    scriviI16(b.data(), 0x0102);
    EXPECT_EQ(b[0], 0x02);
    EXPECT_EQ(leggiI16(b.data()), 0x0102);
    scriviF32(b.data() + 2, 1.0f);
    EXPECT_EQ((Byte(b.begin() + 2, b.begin() + 6)), (Byte{0x00, 0x00, 0x80, 0x3F}));
    EXPECT_EQ(leggiF32(b.data() + 2), 1.0f);
    EXPECT_EQ(b[6], 0xAA);

    Byte t(6, 0);
    scriviTestoFisso(t.data(), 4, "perché"); // Windows-1252, cut to the field
    EXPECT_EQ(t, (Byte{'p', 'e', 'r', 'c', 0, 0}));
    scriviTestoFisso(t.data(), 5, "è");
    EXPECT_EQ(t, (Byte{0xE8, ' ', ' ', ' ', ' ', 0}));
    EXPECT_EQ(leggiTestoFisso(t.data(), 5), "è    ");
}

} // namespace
} // namespace vantrel
