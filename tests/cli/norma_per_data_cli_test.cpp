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

// The example periods name their rule: before 01/04/2017 they keep the thresholds of earlier versions.
TEST_F(NormaPerDataCli, IPeriodiCheNominanoLaNormaNonCambiano) {
    const auto j = teg(VANTREL_EXAMPLES_DIR "/periodi.csv");
    const char* const soglie[] = {"13,71", "10,89", "14,21", "18,41", "29,94", "9,15", "16,45"};
    ASSERT_GE(j.size(), 9u);
    for (std::size_t i = 0; i < std::size(soglie); ++i) {
        EXPECT_EQ(j[i]["campi"]["soglia"], soglie[i]) << "riga " << i + 2;
        EXPECT_EQ(j[i]["campi"]["Diff"], i == 3 ? "3,314" : "") << "riga " << i + 2;
    }
    EXPECT_EQ(j[8]["campi"]["soglia"], "12,82"); // 4th quarter 2020, 30.000 euro of advances: up to 50.000 since 2017
}

TEST_F(NormaPerDataCli, SenzaColonnaNormaValeLaData) {
    const std::string file = dir.file("p.csv");
    test::scriviTesto(file, "dal;al;categoria;Acc;norma\n"
                            "01/04/2011;30/06/2011;Conto Corrente;10.000;\n"
                            "14/05/2011;30/06/2011;Conto Corrente;10.000;secondo la data\n"
                            "01/10/2020;31/12/2020;Conto anticipi;30.000;\n"
                            "01/10/2020;31/12/2020;Conto anticipi;30.000;vecchia norma\n");
    const auto j = teg(file);
    ASSERT_EQ(j.size(), 4u);
    const char* const soglie[] = {"13,635", "15,3625", "12,825", "10,59"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(j[i]["campi"]["soglia"], soglie[i]) << "riga " << i + 2;
    ASSERT_EQ(j[0]["messaggi"].size(), 1u); // only the period across 14/05/2011 says so
    EXPECT_NE(j[0]["messaggi"][0].get<std::string>().find("14/05/2011"), std::string::npos);
    EXPECT_TRUE(j[1]["messaggi"].empty());

    // The summary carries the audit block, with the source of the imported rates.
    std::string riepilogo;
    for (const auto& r : j[2]["riepilogo"])
        riepilogo += r.get<std::string>() + "\n";
    for (const char* atteso : {"7,06 x 1,25 + 4 = 12,825", "fino a 50.000 euro", "tassi-ufficiali.csv"})
        EXPECT_NE(riepilogo.find(atteso), std::string::npos) << atteso << "\n" << riepilogo;
    EXPECT_EQ(j[2]["campi"]["ClasseSoglia"], "Conto anticipi, fino a 50.000 euro");
}

} // namespace
} // namespace vantrel
