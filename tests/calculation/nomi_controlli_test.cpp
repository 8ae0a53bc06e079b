#include "calculation/taeg.h"
#include "reports/controlli_report.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "teg/teg_controlli.h"

#include <fstream>
#include <gtest/gtest.h>
#include <span>
#include <sstream>

namespace vantrel {
namespace {

using Coppie = std::span<const std::pair<const char*, const char*>>;

// The table under `titolo` in the control-name map of ARCHITECTURE.md.
std::string tabella(const std::string& titolo) {
    std::ifstream in(VANTREL_SOURCE_DIR "/ARCHITECTURE.md");
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string doc = ss.str();
    const std::size_t mappa = doc.find("\n## Nomi dei controlli\n");
    if (mappa == std::string::npos) return {};
    const std::size_t inizio = doc.find("\n#### " + titolo + "\n", mappa);
    if (inizio == std::string::npos) return {};
    const std::size_t fine = doc.find("\n#", inizio + 1);
    return doc.substr(inizio, fine == std::string::npos ? std::string::npos : fine - inizio);
}

// Each window's pairs name controls of that window and sit, all of them, in its table: a renamed control or
// a new pair fails here until the map is printed again (tools/mappa_controlli.py core/teg core/reports).
TEST(NomiControlli, OgniCoppiaNellaMappaDellaSuaFinestra) {
    struct Caso {
        const char* titolo;
        Coppie coppie;
        const Schema& schema;
    };
    const Caso casi[] = {
        {"`ControlliTeg` (core/teg/teg_controlli.h)", ControlliTeg::kNomi, Taeg::schemaTaeg()},
        {"`ControlliReportTeg` (core/reports/controlli_report.h)", ControlliReportTeg::kNomi, Taeg::schemaTaeg()},
        {"`ControlliPratica` (core/reports/controlli_report.h)", ControlliPratica::kNomi, Taeg::schemaTaeg()},
        {"`ControlliGestioneReport` (core/reports/controlli_report.h)", ControlliGestioneReport::kNomi,
         GestoreReport::schemaReport()},
        {"`ControlliFinestraTesto` (core/reports/controlli_report.h)", ControlliFinestraTesto::kNomi,
         FinestraTesto::schemaTesto()},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.titolo);
        const std::string t = tabella(c.titolo);
        ASSERT_FALSE(t.empty());
        for (const auto& [nome, controllo] : c.coppie) {
            EXPECT_GE(c.schema.trova(controllo), 0) << controllo;
            EXPECT_NE(t.find("| `" + std::string(controllo) + "` | `" + nome + "` |"), std::string::npos)
                << controllo << " -> " << nome;
        }
    }
    // The rate grid: the class picks the suffix, the quarter the digit.
    const std::string t = tabella("`ControlliTeg` (core/teg/teg_controlli.h)");
    EXPECT_NE(t.find("`tassiMedi[classe][trimestre]`"), std::string::npos);
    EXPECT_NE(t.find("`soglie[classe][trimestre]`"), std::string::npos);
    const GrigliaTassi g(Taeg::schemaTaeg());
    EXPECT_EQ(Taeg::schemaTaeg().definizione(g.soglie[2][3]).nome, "TU4c");
    EXPECT_EQ(Taeg::schemaTaeg().definizione(g.tassiMedi[1][0]).nome, "TS1b");
}

} // namespace
} // namespace vantrel
