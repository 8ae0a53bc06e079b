// Every window of the program declares each control once, in a row: the rows resolve to the controls of
// their window's schema and to nothing else, each Tab place is taken once, and docs/controlli.md is the
// map the rows give. VANTREL_RISCRIVI_MAPPA=1 writes the map again instead of comparing it.
#include "calculation/taeg.h"
#include "case_window/controlli_addebiti_pratica.h"
#include "case_window/finestra_pratica.h"
#include "rate_windows/soglie_ufficiali.h"
#include "rate_windows/usurari.h"
#include "recalculation/pannello_ricalcolo.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "shell/accesso.h"
#include "shell/calendario.h"
#include "shell/finestra_impostazioni.h"
#include "shell/finestra_principale.h"
#include "support/temp_dir.h"
#include "teg/teg_controlli.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace vantrel {
namespace {

const std::string kRadice = VANTREL_SOURCE_DIR;

struct Elenco {
    const char* struttura; // the struct of names the rows give
    const char* file;
    std::span<const RigaControllo> righe;
};
#define ELENCO(Struttura, file) (Elenco{#Struttura, file, Struttura::kRighe})

// Each window with its lists of rows; the first list's Tab places make the window's own Tab order.
struct FinestraProgramma {
    const Schema& schema;
    std::vector<Elenco> elenchi;
};

std::vector<FinestraProgramma> finestre() {
    return {
        {Taeg::schemaTaeg(),
         {ELENCO(ControlliTeg, "core/teg/teg_controlli.h"),
          ELENCO(ControlliReportTeg, "core/reports/controlli_report.h"),
          ELENCO(ControlliMutuo, "core/loan/pannello_mutuo.h"), // its Tab places go on in the usury check's
          ELENCO(ControlliVerificaUsura, "core/loan/verifica_usura.h"),
          ELENCO(ControlliPratica, "core/account/riepilogo_pratica.h")}},
        {GestoreReport::schemaReport(), {ELENCO(ControlliGestioneReport, "core/reports/controlli_report.h")}},
        {FinestraTesto::schemaTesto(), {ELENCO(ControlliFinestraTesto, "core/reports/controlli_report.h")}},
        {Usurari::schemaUsurari(), {ELENCO(ControlliTassi, "core/rate_windows/usurari.h")}},
        {SoglieUfficiali::schemaSoglieUfficiali(),
         {ELENCO(ControlliSoglieUfficiali, "core/rate_windows/soglie_ufficiali.h")}},
        {FinestraImpostazioni::schemaForm23(), {ELENCO(ControlliImpostazioni, "core/shell/finestra_impostazioni.h")}},
        {FinestraPrincipale::schemaMDIForm1(), {ELENCO(ControlliPrincipale, "core/shell/finestra_principale.h")}},
        {Accesso::schemaPassWord(), {ELENCO(ControlliAccesso, "core/shell/accesso.h")}},
        {Calendario::schemaCalendario(), {ELENCO(ControlliCalendario, "core/shell/calendario.h")}},
        {FinestraPratica::schemaPratica(),
         {ELENCO(ControlliFinestraPratica, "core/case_window/controlli_finestra_pratica.h"),
          ELENCO(ControlliAddebitiPratica, "core/case_window/controlli_addebiti_pratica.h")}},
        {PannelloRicalcolo::schemaRicalcolo(), {ELENCO(ControlliRicalcolo, "core/recalculation/pannello_ricalcolo.h")}},
    };
}

// The controls no row declares: the rate grid of the calculation tab, made by a loop.
std::set<std::string> famiglia(const Schema& s) {
    std::set<std::string> nomi;
    if (&s != &Taeg::schemaTaeg()) return nomi;
    for (bool soglia : {false, true})
        for (int classe = 0; classe < 3; ++classe)
            for (int trimestre = 0; trimestre < 4; ++trimestre)
                nomi.insert(GrigliaTassi::nome(soglia, classe, trimestre));
    return nomi;
}

// Each list's Tab places run 1..n once each; the window's own Tab order is its first list's places in
// order. Option buttons exclude each other by group: every option has one, and at most one of a group
// starts selected.
TEST(ControlliFinestre, OgniControlloInUnaRigaEOrdineTabCompleto) {
    for (const FinestraProgramma& f : finestre()) {
        SCOPED_TRACE(f.schema.finestra());
        std::map<std::string, int> righe; // control's own name -> rows declaring it
        for (const Elenco& e : f.elenchi) {
            EXPECT_NE(test::leggiTesto(kRadice + "/" + e.file)
                          .find(std::string("VANTREL_STRUTTURA_CONTROLLI(") + e.struttura + ","),
                      std::string::npos)
                << e.file;
            std::vector<int> posti;
            std::map<std::string, int> selezionate;
            for (const RigaControllo& r : e.righe) {
                ++righe[r.controllo];
                EXPECT_GE(f.schema.trova(r.controllo), 0) << e.struttura << "::" << r.nome;
                if (r.attributi.tab > 0) posti.push_back(r.attributi.tab);
                if (r.tipo != Tipo::Opzione) continue;
                EXPECT_STRNE(r.attributi.gruppo, "") << r.controllo;
                selezionate[r.attributi.gruppo] += r.attributi.selezionato;
            }
            std::sort(posti.begin(), posti.end());
            for (std::size_t k = 0; k < posti.size(); ++k)
                EXPECT_EQ(posti[k], static_cast<int>(k) + 1) << e.struttura;
            for (const auto& [gruppo, n] : selezionate)
                EXPECT_LE(n, 1) << e.struttura << " " << gruppo;
        }
        const std::set<std::string> calcolati = famiglia(f.schema);
        for (std::size_t i = 0; i < f.schema.dimensione(); ++i) {
            const std::string& nome = f.schema.definizione(static_cast<int>(i)).nome;
            EXPECT_EQ(righe[nome] + static_cast<int>(calcolati.count(nome)), 1) << nome;
        }
        std::vector<std::string> tab;
        for (int id : f.schema.tab())
            tab.push_back(f.schema.definizione(id).nome);
        EXPECT_EQ(tab, ordineTab(f.elenchi.front().righe));
    }
}

TEST(ControlliFinestre, GrigliaDeiTassiPerClasseETrimestre) {
    const Schema& s = Taeg::schemaTaeg();
    const auto& g = controlli<GrigliaTassi>(s);
    EXPECT_EQ(s.definizione(g.soglie[2][3]).nome, "TU4c");
    EXPECT_EQ(s.definizione(g.tassiMedi[1][0]).nome, "TS1b");
    EXPECT_EQ(s.definizione(g.soglie[0][1]).nome, "TU2");
}

std::string cella(std::string t) {
    for (auto p = t.find('\n'); p != std::string::npos; p = t.find('\n'))
        t.replace(p, 1, " ");
    for (auto p = t.find('|'); p != std::string::npos; p = t.find('|', p + 2))
        t.replace(p, 1, "\\|");
    return t;
}

// The map of docs/controlli.md, from the rows.
std::string mappa() {
    static const char* const tipi[] = {"Testo", "Etichetta", "Pulsante", "Opzione", "Casella", "Lista",
                                       "Combo", "Data",      "Cornice",  "Linea",   "Scheda"};
    std::ostringstream out;
    out << "# Controlli delle finestre\n\n"
           "Scripts, `vantrel-cli` and report files reach a control by its own name (\"Controllo\"); the code\n"
           "reads it by the name beside it. Each window declares its controls once, a row each, in the file\n"
           "named above its table (`core/common/controlli.h`); this map is written from those rows by\n"
           "`VANTREL_RISCRIVI_MAPPA=1 build/dev/bin/controlli_test`, and the test fails while it differs.\n";
    for (const FinestraProgramma& f : finestre()) {
        out << "\n## `" << f.schema.finestra() << "`: " << f.schema.titolo() << "\n";
        for (const Elenco& e : f.elenchi) {
            out << "\n### `" << e.struttura << "` (" << e.file << ")\n\n";
            out << "| Controllo | Nel codice | Tipo | Tab | Testo |\n|---|---|---|---|---|\n";
            for (const RigaControllo& r : e.righe) {
                out << "| `" << r.controllo << "` | `" << r.nome << "` | " << tipi[static_cast<int>(r.tipo)] << " | ";
                if (r.attributi.tab > 0) out << r.attributi.tab;
                out << " | " << cella(r.attributi.testo) << " |\n";
            }
        }
        if (!famiglia(f.schema).empty())
            out << "\nThe rate grid is made by a loop (`GrigliaTassi`, core/teg/teg_controlli.h):\n"
                   "`tassiMedi[classe][trimestre]` are `TS1`..`TS4c`, `soglie[classe][trimestre]` `TU1`..`TU4c`\n"
                   "(the digit the quarter, no suffix, `b` or `c` the first, second or third class of amount).\n";
    }
    return out.str();
}

TEST(ControlliFinestre, MappaAggiornata) {
    const std::string file = kRadice + "/docs/controlli.md";
    const std::string attesa = mappa();
    if (std::getenv("VANTREL_RISCRIVI_MAPPA")) {
        test::scriviTesto(file, attesa);
        GTEST_SKIP() << "scritta " << file;
    }
    EXPECT_EQ(test::leggiTesto(file), attesa) << "VANTREL_RISCRIVI_MAPPA=1 build/dev/bin/controlli_test la riscrive";
}

} // namespace
} // namespace vantrel
