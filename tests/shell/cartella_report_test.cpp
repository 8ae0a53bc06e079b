// Reports of an installed program go where the user sees them: `Vantrel` in the documents folder.
#include "shell/cartella_programma.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {
namespace fs = std::filesystem;

TEST(CartellaReport, DocumentiDellUtentePerUnaCopiaInstallata) {
    test::CartellaTemporanea radice;
    const fs::path programma = radice.file("dati"), documenti = radice.file("Documenti");
    fs::create_directories(programma);
    fs::create_directories(documenti);
    test::scriviByte(radice.file("file"), {'x'});
    struct Caso {
        const char* nome;
        bool portatile;
        fs::path documenti;
        fs::path atteso;
    };
    const Caso casi[] = {
        {"copia portatile", true, documenti, programma},
        {"copia installata", false, documenti, documenti / "Vantrel"},
        {"documenti non utilizzabili", false, fs::path(radice.file("file")), programma},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(cartellaReport(SceltaCartella{programma, c.portatile, false}, c.documenti), c.atteso);
        EXPECT_TRUE(fs::is_directory(c.atteso));
        EXPECT_EQ(fs::exists(documenti / "Vantrel"), !c.portatile);
    }
}

TEST(CartellaReport, DocumentiDallAmbiente) {
    test::CartellaTemporanea casa;
    const std::string home = casa.cartella();
    EXPECT_EQ(cartellaDocumenti("/dati/Documenti", home.c_str()), fs::path("/dati/Documenti"));
    EXPECT_EQ(cartellaDocumenti("relativa", home.c_str()), fs::path(home) / "Documenti"); // neither exists
    fs::create_directories(casa.file("Documents"));
    EXPECT_EQ(cartellaDocumenti(nullptr, home.c_str()), fs::path(home) / "Documents");
    fs::create_directories(casa.file("Documenti"));
    EXPECT_EQ(cartellaDocumenti("", home.c_str()), fs::path(home) / "Documenti");
    EXPECT_EQ(cartellaDocumenti(nullptr, nullptr), fs::path());
}

} // namespace
} // namespace vantrel
