// The command is built here from its source until the command line's own target links it.
#include "comando_stampa.h"
#include "reports/stampa_report.h"
#include "shell/settings_records.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

TEST(ComandoStampa, UsoECodiciDiUscita) {
    const fs::path dir = fs::temp_directory_path() / "vantrel_comando_stampa";
    fs::create_directories(dir);
    const std::string rkt = (dir / "r.RKT").string();
    std::ofstream(rkt, std::ios::binary) << "Conto 1\r\nr2\r\nFine\r\n";
    OpzStampaRecord opz;
    opz.righeOrizzontale(10);
    opz.righeVerticale(20);
    std::ofstream(dir / "OpzStampa.DAT", std::ios::binary)
        .write(reinterpret_cast<const char*>(opz.byte.data()), static_cast<std::streamsize>(opz.byte.size()));

    struct Caso {
        std::vector<std::string> args;
        int uscita;
    };
    for (const Caso& c : {Caso{{rkt, "--comandi", "--cartella", dir.string()}, 0}, Caso{{rkt, "--pdf", "x.pdf"}, 2},
                          Caso{{"--comandi"}, 2}, Caso{{rkt}, 2}, Caso{{rkt, "--comandi", "--pdf", "x.pdf"}, 2},
                          Caso{{rkt, "--comandi", "--boh"}, 2}, Caso{{(dir / "manca.RKT").string(), "--comandi"}, 2},
                          Caso{{rkt, "--cartella"}, 2}, Caso{{"--help"}, 0}}) {
        std::ostringstream out, err;
        EXPECT_EQ(comandoStampa(c.args, out, err), c.uscita) << c.args[0];
        EXPECT_EQ(err.str().empty(), c.uscita == 0) << err.str();
    }

    for (const bool riepilogo : {false, true}) {
        std::ostringstream out, err, atteso;
        std::vector<std::string> args = {rkt, "--comandi", "--cartella", dir.string()};
        if (riepilogo) args.push_back("--riepilogo");
        ASSERT_EQ(comandoStampa(args, out, err), 0);
        StampanteRegistrata s(atteso);
        if (riepilogo)
            stampaTestoFinestra(s, {"Conto 1", "r2"}, 20);
        else
            stampaListaRisultati(s, {"Conto 1", "r2"}, 10);
        EXPECT_EQ(out.str(), atteso.str());
    }

    std::ostringstream out, err;
    const auto fabbrica = [&](const std::string& pdf) -> std::unique_ptr<Stampante> {
        EXPECT_EQ(pdf, "out.pdf");
        return std::make_unique<StampanteRegistrata>(out);
    };
    EXPECT_EQ(comandoStampa({rkt, "--pdf", "out.pdf"}, out, err, fabbrica), 0);
    EXPECT_NE(out.str().find("fine"), std::string::npos);
    fs::remove_all(dir);
}

} // namespace
} // namespace vantrel
