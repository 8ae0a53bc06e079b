#include "common/cp1252.h"
#include "common/date.h"
#include "common/testo.h"
#include "common/testo_confronto.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(Date, LetturaGiornoPrima) {
    using Caso = std::pair<const char*, std::optional<Data>>;
    for (const auto& [testo, data] :
         {Caso{"29/02/2024", Data{2024, 2, 29}}, Caso{"1/3/2024", Data{2024, 3, 1}}, Caso{"29/02/2023", {}},
          Caso{"31/04/2024", {}}, Caso{"01/13/2024", {}}, Caso{"01/01/24", {}}, Caso{"01/01-2024", {}}, Caso{"", {}}})
        EXPECT_EQ(leggiData(testo), data) << testo;
    EXPECT_EQ((Data{2004, 8, 5}).testo(), "05/08/2004");
}

TEST(Date, ConteggiEMesi) {
    struct Caso {
        Data da, a;
        long giorni;
    };
    for (const Caso& c : {Caso{{2024, 1, 1}, {2024, 3, 1}, 60}, Caso{{2023, 1, 1}, {2023, 3, 31}, 89},
                          Caso{{2024, 3, 6}, {2024, 3, 1}, -5}, Caso{{1899, 12, 30}, {1900, 3, 1}, 61},
                          Caso{{2000, 1, 1}, {2001, 1, 1}, 366}, Caso{{2100, 1, 1}, {2101, 1, 1}, 365}})
        EXPECT_EQ(c.a.numero() - c.da.numero(), c.giorni);
    EXPECT_EQ((Data{1899, 12, 30}).numero(), 0);
    EXPECT_EQ(Data::daNumero((Data{2026, 3, 15}).numero()), (Data{2026, 3, 15}));
    EXPECT_EQ(aggiungiMesi({2023, 1, 31}, 1), (Data{2023, 2, 28}));
    EXPECT_EQ(aggiungiMesi({2024, 11, 30}, 14), (Data{2026, 1, 30}));
    EXPECT_EQ(aggiungiGiorni({2023, 1, 1}, 90), (Data{2023, 4, 1}));
    EXPECT_TRUE(bisestile(2000));
    EXPECT_FALSE(bisestile(2100));
    EXPECT_EQ(chiavePeriodo(3, 2004), "32004");
}

TEST(Cp1252, AndataERitornoDelleLettereItaliane) {
    const std::string testo = "àèéìòù € perché";
    const std::string cp = daUtf8ACp1252(testo);
    EXPECT_EQ(cp.size(), lunghezza(testo));
    EXPECT_EQ(static_cast<unsigned char>(cp[0]), 0xE0);
    EXPECT_EQ(static_cast<unsigned char>(cp[7]), 0x80);
    EXPECT_EQ(daCp1252AUtf8(cp), testo);
    // A character the code page lacks is one "?", however many bytes its UTF-8 takes; so is a cut sequence.
    const std::pair<const char*, const char*> fuori[] = {{"aĀb", "a?b"}, {"日本", "??"}, {"a😀b", "a?b"}, {"\xC3", "?"}};
    for (const auto& [utf8, atteso] : fuori)
        EXPECT_EQ(daUtf8ACp1252(utf8), atteso) << utf8;
}

// A file's text: the byte-order mark dropped whole, Windows-1252 read when the bytes are not UTF-8.
TEST(Cp1252, TestoDiUnFileInUtf8) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::pair<std::string, const char*> casi[] = {
        {bom + "perch\xE9 \x80", "perché €"}, {bom + "perché", "perché"}, {"perch\xE9", "perché"}, {"", ""}};
    for (const auto& [byte, atteso] : casi) {
        std::string testo;
        EXPECT_TRUE(testoInUtf8(byte, testo));
        EXPECT_EQ(testo, atteso) << byte;
    }
    std::string testo;
    EXPECT_FALSE(testoInUtf8("\xFF\xFEp\0", testo)); // UTF-16
}

TEST(Testi, AllineamentoETaglio) {
    EXPECT_EQ(tabulaDestra("12,50", 8), "   12,50");
    EXPECT_EQ(tabulaDestra("1.234.567,00", 5), "67,00");
    EXPECT_EQ(allineaDestra("abc", 2), "abc");
    EXPECT_EQ(trim("  x y \t"), "x y");
}

} // namespace
} // namespace vantrel
