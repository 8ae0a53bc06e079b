#include "common/stampa_documento.h"
#include "common/stampante_registrata.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vantrel {
namespace {

TabellaDocumento tabella(const std::string& cella, bool orizzontale = false) {
    return {.intestazione = {"Voce"},
            .righe = {{cella}},
            .numeriche = {false},
            .evidenziate = {},
            .orizzontale = orizzontale};
}

// The orientation in force when each table's row is printed.
std::string orientamentoDi(const std::string& stampa, const std::string& cella) {
    const auto riga = stampa.find("riga " + cella);
    const auto o = stampa.rfind("orientamento ", riga);
    if (riga == std::string::npos || o == std::string::npos) return "?";
    return stampa.substr(o + 13, stampa.find('\n', o) - o - 13);
}

// A table too wide for an upright page goes on a landscape one, wherever it stands; the page turns
// back for what follows.
TEST(StampaDocumento, UnaTabellaLargaVaSuUnaPaginaOrizzontale) {
    Documento d;
    d.sezione("Prima");
    d.tabella(tabella("stretta"));
    d.tabella(tabella("segnata larga", true));
    d.tabella(tabella(std::string(120, 'x')));
    d.paragrafo("dopo");
    d.sezione("Seconda");
    d.tabella(tabella("ultima"));
    std::ostringstream out;
    StampanteRegistrata s(out);
    stampaDocumento(s, d);
    const std::string stampa = out.str();
    const std::pair<std::string, std::string> casi[] = {{"stretta", "verticale"},
                                                        {"segnata larga", "orizzontale"},
                                                        {std::string(120, 'x'), "orizzontale"},
                                                        {"dopo", "verticale"},
                                                        {"ultima", "verticale"}};
    for (const auto& [cella, atteso] : casi)
        EXPECT_EQ(orientamentoDi(stampa, cella), atteso) << cella.substr(0, 20);
}

} // namespace
} // namespace vantrel
