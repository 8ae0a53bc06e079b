#include "comandi.h"
#include "support/file_tassi.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vantrel {
namespace {

class NormaPerDataCli : public ::testing::Test {
protected:
    NormaPerDataCli() { esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv"}); }
    std::string esegui(std::vector<std::string> args) {
        args.insert(args.end(), {"--cartella", dir.cartella(), "--oggi", "05/12/2026"});
        std::ostringstream out, err;
        EXPECT_EQ(cli::esegui(std::move(args), out, err), 0) << err.str();
        return out.str();
    }
    nlohmann::json teg(const std::string& file) {
        return nlohmann::json::parse(esegui({"teg", file, "--formato", "json"}));
    }
    test::CartellaTemporanea dir;
};

// A rule chosen by hand holds after 2011 too; the summary says how the threshold came about.
TEST_F(NormaPerDataCli, SenzaColonnaNormaValeLaData) {
    const std::string file = dir.file("p.csv");
    test::scriviTesto(file, "dal;al;categoria;Acc;norma\n"
                            "01/10/2020;31/12/2020;Conto anticipi;30.000;\n"
                            "01/10/2020;31/12/2020;Conto anticipi;30.000;vecchia norma\n");
    const auto j = teg(file);
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0]["campi"]["soglia"], "12,825");
    EXPECT_EQ(j[1]["campi"]["soglia"], "10,59");

    // The summary carries the audit block, with the source of the imported rates.
    std::string riepilogo;
    for (const auto& r : j[0]["riepilogo"])
        riepilogo += r.get<std::string>() + "\n";
    for (const char* atteso : {"7,06 x 1,25 + 4 = 12,825", "fino a 50.000 euro", "tassi-ufficiali.csv"})
        EXPECT_NE(riepilogo.find(atteso), std::string::npos) << atteso << "\n" << riepilogo;
    EXPECT_EQ(j[0]["campi"]["ClasseSoglia"], "Conto anticipi, fino a 50.000 euro");
}

} // namespace
} // namespace vantrel
