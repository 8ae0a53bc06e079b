// The example periods and the reference loan against figures worked out independently of the program
// (tests/data/*_attesi.csv, *_atteso.csv: tools/cifre_attese.py computed them as a spreadsheet would).
#include "comandi.h"
#include "support/righe_attese.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vantrel {
namespace {

using test::righeFile;

// The answer of a command; one in JSON is laid out byte for byte as the JSON library writes it (`teg`
// writes its own straight into its buffer, for speed).
nlohmann::json esegui(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::esegui(args, out, err), 0) << err.str();
    if (out.str().empty()) return {};
    const auto j = nlohmann::json::parse(out.str());
    EXPECT_EQ(out.str(), j.dump(2) + "\n");
    return j;
}

// Lire and Euro, CMS on either side, both formulas, every rule (chosen or by date, across the change of
// 14/05/2011), both sides of the class limits in euro and lire, a leap year with either days-of-year
// factor.
TEST(CifreAttese, PeriodiCampoPerCampo) {
    test::CartellaTemporanea dir;
    esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", dir.cartella()});
    struct Caso {
        const char *ingresso, *file, *divisore;
    };
    const Caso casi[] = {
        {VANTREL_EXAMPLES_DIR "/periodi.csv", VANTREL_TEST_DATA "/periodi_attesi.csv", "bisestile"},
        {VANTREL_TEST_DATA "/periodi_per_data.csv", VANTREL_TEST_DATA "/periodi_per_data_attesi.csv", nullptr},
        {VANTREL_TEST_DATA "/periodi_per_data.csv", VANTREL_TEST_DATA "/periodi_365_attesi.csv", "36500"}};
    for (const auto& [ingresso, file, divisore] : casi) {
        const auto attese = righeFile(file);
        std::vector<std::string> args = {"teg",        ingresso,       "--formato", "json",
                                         "--cartella", dir.cartella(), "--oggi",    "15/03/2026"};
        if (divisore) args.insert(args.end(), {"--divisore", divisore});
        const auto uscita = esegui(args);
        ASSERT_EQ(uscita.size(), attese.size()) << file;
        for (std::size_t r = 0; r < attese.size(); ++r)
            for (const auto& [colonna, atteso] : attese[r]) {
                const auto& u = uscita[r];
                if (colonna == "dal") continue;
                const std::string testo = colonna == "riga"     ? u["riga"].get<std::string>()
                                          : colonna == "avvisi" ? std::to_string(u["messaggi"].size())
                                                                : u["campi"][colonna].get<std::string>();
                EXPECT_EQ(testo, atteso) << file << ", periodo dal " << attese[r].at("dal") << ", " << colonna;
            }
    }
    // A rule chosen by hand holds after 2011 too; an empty cell follows the date.
    test::scriviTesto(dir.file("p.csv"), "dal;al;categoria;Acc;norma\n"
                                         "01/10/2020;31/12/2020;Conto anticipi;30.000;\n"
                                         "01/10/2020;31/12/2020;Conto anticipi;30.000;vecchia norma\n");
    const auto j =
        esegui({"teg", dir.file("p.csv"), "--formato", "json", "--cartella", dir.cartella(), "--oggi", "05/12/2026"});
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0]["campi"]["soglia"], "12,825");
    EXPECT_EQ(j[1]["campi"]["soglia"], "10,59");
    EXPECT_EQ(j[0]["campi"]["ClasseSoglia"], "Conto anticipi, fino a 50.000 euro");
    // An account of 24 quarters, with the official series in the folder: its JSON as the library's.
    std::filesystem::copy_file(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv", dir.file("serie-ufficiale.csv"));
    esegui({"teg", VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv", "--formato", "json", "--cartella", dir.cartella(),
            "--oggi", "05/12/2026"});
}

// The separate test of the CMS up to 2009 (tests/data/cms_attesi.csv, by tools/cms_attesa.py): the
// quarter's averages imported with "tassi importa", the period checked by "teg"; the reading "CMS nel
// TEG", a setting of the program folder, is tried on the window.
TEST(CifreAttese, VerificaSeparataDellaCms) {
    for (auto c : righeFile(VANTREL_TEST_DATA "/cms_attesi.csv")) {
        if (c["lettura"] != "separata") continue;
        SCOPED_TRACE(c["caso"]);
        test::CartellaTemporanea dir;
        const std::string trimestre = std::to_string((std::stoi(c["dal"].substr(3, 2)) - 1) / 3 + 1);
        test::scriviTesto(dir.file("t.csv"), "periodo;TM2;TM5\n" + trimestre + c["dal"].substr(6) + ";" + c["tegm"] +
                                                 ";" + c["cms_media"] + "\n");
        esegui({"tassi", "importa", dir.file("t.csv"), "--cartella", dir.cartella()});
        std::string periodo = "dal;al;Categoria;Valuta;Formula;Norma\n" + c["dal"] + ";" + c["al"] +
                              ";Conto Corrente;" + c["valuta"] + ";" +
                              (c["formula"] == "globale" ? "globale" : "Banca d'Italia") + ";" +
                              (c["norma"] == "nuova" ? "nuova norma" : "secondo la data");
        for (const auto& [colonna, campo] :
             {std::pair{"numeri", "NumeriD"}, std::pair{"interessi", "intDare"}, std::pair{"cms_interessi", "ComMS"},
              std::pair{"altri_interessi", "extrafido"}, std::pair{"spese", "speseN"}, std::pair{"cms_spese", "ComMS2"},
              std::pair{"altri_oneri", "ASpese"}, std::pair{"massimo_scoperto", "MaxScoperto"},
              std::pair{"fido", "fido"}}) {
            periodo.insert(periodo.find('\n'), std::string(";") + campo);
            periodo += ";" + c[colonna];
        }
        test::scriviTesto(dir.file("p.csv"), periodo + "\n");
        const auto u = esegui({"teg", dir.file("p.csv"), "--formato", "json", "--cartella", dir.cartella()})[0];
        EXPECT_EQ(u["campi"]["TegTXT"], c["TegConCMS"]);
        for (const char* k : {"TegSenzaCMS", "TassoCMS", "SogliaCMS", "EccedenzaCMS", "MargineInteressi", "EsitoCMS"})
            EXPECT_EQ(u["campi"][k], c[k]) << k;
    }
}

// Rows 1, 80 and 120 and the totals of 100.000 at 6 % in 120 months; the due dates of every frequency
// from the last day of January of a leap year.
TEST(CifreAttese, MutuoDiRiferimentoScadenzeDiOgniFrequenzaEVerificaUsura) {
    const auto mutuo = [](const std::vector<std::string>& opzioni) {
        std::vector<std::string> args = {"mutuo", "--formato", "json"};
        args.insert(args.end(), opzioni.begin(), opzioni.end());
        return esegui(args);
    };
    const auto riferimento = mutuo({"--importo", "100000", "--rate", "120", "--tasso", "6", "--data", "15/03/2026"});
    const auto attese = righeFile(VANTREL_TEST_DATA "/mutuo_atteso.csv");
    ASSERT_EQ(attese.size(), 12u);
    for (const auto& riga : attese) {
        const std::string &scadenza = riga.at("scadenza"), &campo = riga.at("campo"), &atteso = riga.at("atteso");
        SCOPED_TRACE(scadenza + " " + campo);
        if (campo.starts_with("riga ")) { // the plan's rows follow its eleven heading lines
            EXPECT_EQ(riferimento["piano"][10 + std::stoul(campo.substr(5))], atteso);
        } else if (campo == "scadenze") {
            const auto p = mutuo({"--scadenza", scadenza, "--importo", "1200", "--rate", "13", "--tasso", "5", "--data",
                                  "31/01/2024"})["piano"];
            std::string date;
            for (std::size_t k = 11; k < p.size(); ++k)
                date += (date.empty() ? "" : " ") + p[k].get<std::string>().substr(9, 10);
            EXPECT_EQ(date, atteso);
        } else {
            EXPECT_EQ(riferimento["campi"][campo], atteso);
        }
    }

    // The usury check of loans against tests/data/mutui_usura_attesi.csv: the instalment paid counted once
    // with its expense, the inquiry expenses in place of the initial ones, the banks' and the other
    // intermediaries' categories up to 2009, an official category written by name.
    test::CartellaTemporanea dir;
    std::filesystem::copy_file(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv",
                               dir.cartella() + "serie-ufficiale.csv");
    const auto usura = righeFile(VANTREL_TEST_DATA "/mutui_usura_attesi.csv");
    ASSERT_GT(usura.size(), 9u);
    for (const auto& riga : usura) {
        SCOPED_TRACE(riga.at("caso"));
        std::vector<std::string> opzioni = {"--cartella", dir.cartella()};
        std::istringstream in(riga.at("opzioni"));
        for (std::string o; std::getline(in, o, '|');)
            opzioni.push_back(o);
        const auto u = mutuo(opzioni)["campi"];
        for (const auto& [campo, atteso] : riga)
            if (campo != "caso" && campo != "opzioni") {
                EXPECT_EQ(u[campo], atteso) << campo;
            }
    }
}

} // namespace
} // namespace vantrel
