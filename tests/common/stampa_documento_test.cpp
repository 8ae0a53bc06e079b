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

// What the document prints, as the recording printer writes it.
std::string stampa(const Documento& d) {
    std::ostringstream out;
    StampanteRegistrata s(out);
    stampaDocumento(s, d);
    return out.str();
}

// The orientation in force when each table's row is printed.
std::string orientamentoDi(const std::string& stampata, const std::string& cella) {
    const auto riga = stampata.find("riga " + cella);
    const auto o = stampata.rfind("orientamento ", riga);
    if (riga == std::string::npos || o == std::string::npos) return "?";
    return stampata.substr(o + 13, stampata.find('\n', o) - o - 13);
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
    const std::string stampata = stampa(d);
    const std::pair<std::string, std::string> casi[] = {{"stretta", "verticale"},
                                                        {"segnata larga", "orizzontale"},
                                                        {std::string(120, 'x'), "orizzontale"},
                                                        {"dopo", "verticale"},
                                                        {"ultima", "verticale"}};
    for (const auto& [cella, atteso] : casi)
        EXPECT_EQ(orientamentoDi(stampata, cella), atteso) << cella.substr(0, 20);
}

// A heading is set off by a blank line from what its page already holds, never at a page's top; a
// picture takes its section's heading and caption on a page of its own.
TEST(StampaDocumento, NessunaPaginaIniziaConUnaRigaVuota) {
    Documento sezioni, figura;
    sezioni.sezione("Prima");
    sezioni.paragrafo("uno");
    sezioni.sezione("Seconda");
    sezioni.paragrafo("due");
    sezioni.sezione("Grafico");
    sezioni.immagine("png", "didascalia");
    sezioni.paragrafo("tre");
    figura.immagine("png", "sola");
    const std::pair<Documento, std::string> casi[] = {
        {sezioni, "riga Prima|vuota|riga uno|vuota|riga Seconda|vuota|riga due|nuova pagina|riga Grafico|vuota|"
                  "riga didascalia|vuota|immagine 3 byte|nuova pagina|riga tre|"},
        {figura, "riga sola|vuota|immagine 3 byte|"}};
    for (const auto& [d, atteso] : casi) {
        std::istringstream in(stampa(d));
        std::string righe;
        for (std::string l; std::getline(in, l);)
            if (l.starts_with("riga") || l == "vuota" || l == "nuova pagina" || l.starts_with("immagine"))
                righe += l + "|";
        EXPECT_EQ(righe, atteso);
    }
}

} // namespace
} // namespace vantrel
