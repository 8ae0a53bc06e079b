#include "common/file_sicuro.h"
#include "support/disco_guasto.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

std::vector<std::string> nomi(const std::string& cartella) {
    std::vector<std::string> v;
    for (const auto& e : std::filesystem::directory_iterator(cartella))
        v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

// A replaced file holds the new bytes; any failure leaves the old one whole and no new file beside it.
TEST(FileSicuro, SostituisceOLasciaIlVecchioIntatto) {
    test::DiscoGuasto guasto;
    const struct {
        const char* caso;
        std::string (*sostituisci)(const std::string& path, Disco* guasto);
        bool riesce;
    } casi[] = {
        {"contenuto", [](const std::string& p, Disco*) { return sostituisciFile(p, "nuovo\r\n"); }, true},
        {"scrittore",
         [](const std::string& p, Disco*) {
             return sostituisciFile(p, [](const std::string& n) {
                 test::scriviTesto(n, "nuovo\r\n");
                 return std::string();
             });
         },
         true},
        {"disco guasto", [](const std::string& p, Disco* d) { return sostituisciFile(p, "nuovo\r\n", d); }, false},
        {"scrittore fallito",
         [](const std::string& p, Disco*) {
             return sostituisciFile(p, [](const std::string& n) {
                 test::scriviTesto(n, "mezzo"); // cut short: the disk is full
                 return std::string("disco pieno");
             });
         },
         false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        test::CartellaTemporanea dir;
        const std::string file = dir.file("piano.csv");
        test::scriviTesto(file, "vecchio");
        const std::string errore = c.sostituisci(file, &guasto);
        EXPECT_EQ(errore.empty(), c.riesce) << errore;
        EXPECT_EQ(test::leggiTesto(file), c.riesce ? "nuovo\r\n" : "vecchio");
        EXPECT_EQ(nomi(dir.cartella()), std::vector<std::string>{"piano.csv"});
    }
}

TEST(FileSicuro, UnaCartellaAlPostoDelFileNonVieneToccata) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directory(dir.file("report.RKT"));
    test::scriviTesto(dir.file("report.RKT/dentro"), "x");
    EXPECT_FALSE(sostituisciFile(dir.file("report.RKT"), "nuovo").empty());
    EXPECT_EQ(test::leggiTesto(dir.file("report.RKT/dentro")), "x");
    EXPECT_EQ(nomi(dir.cartella()), std::vector<std::string>{"report.RKT"});
    EXPECT_FALSE(sostituisciFile(dir.file("manca/report.RKT"), "nuovo").empty());
}

} // namespace
} // namespace vantrel
