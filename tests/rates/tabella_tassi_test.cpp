#include "rates/tabella_tassi.h"
#include "support/file_tassi.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::Periodo;

TEST(TabellaTassi, IFileMancantiNasconoVuoti) {
    test::CartellaTemporanea dir;
    TabellaTassi t;
    ASSERT_TRUE(t.caricaTassi(dir.cartella()));
    EXPECT_EQ(t.numPeriodi, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.file("NtassiU.dat")), 0u);
    EXPECT_EQ(std::filesystem::file_size(dir.file("NRectassiU.dat")), 0u);
}

// Each rate from its own place in the record (TM7 TM8 TM1..TM6, TU1..TU6); of two periods with one key
// the first wins; a key saved without its quarter ("2005 ") is found by its digits.
TEST(TabellaTassi, CampiDelRecordEChiavi) {
    test::CartellaTemporanea dir;
    test::scriviTassi(dir, {Periodo{"32004", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, Periodo{"32004", 0, 0, 7},
                            Periodo{"2005"}});
    TabellaTassi t;
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

} // namespace
} // namespace vantrel
