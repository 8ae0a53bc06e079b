// The tabs "Addebiti banca" and "Note" driven by control name on a real case file: account a of
// tests/data worded by its own bank (case c), given its words and its charges by hand, gives the
// scalare tools/scalare_atteso.py works out; a bad cell is refused and the case keeps what it had.
#include "account/importa_condizioni.h"
#include "common/righe_csv.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "support/ambiente.h"
#include "tabelle_pratica.h"

#include <fstream>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

const std::string kDati = VANTREL_TEST_DATA;
using test::colonna;

class SchedeAddebitiTest : public testing::Test, protected test::Ambiente {
protected:
    SchedeAddebitiTest() {
        ctx.servizi.bancheDati = &sqlite;
        std::string errore;
        f = std::make_unique<FinestraPratica>(ctx, Pratica::crea(sqlite, dir.file("c.vantrel"), errore));
    }
    void addebiti(const char* data, const char* interessi, const char* commissioni, const char* spese) {
        f->incolla("DataAddebiti", data);
        f->incolla("InteressiAddebiti", interessi);
        f->incolla("CommissioniAddebiti", commissioni);
        f->incolla("SpeseAddebiti", spese);
        f->clicca("AggiungiAddebiti");
    }
    std::string ultimoMessaggio() const { return risposte.mostrati().empty() ? "" : risposte.mostrati().back().testo; }

    BancheDatiSqlite sqlite;
    std::unique_ptr<FinestraPratica> f;
};

TEST_F(SchedeAddebitiTest, LoScalareConLeParoleEGliAddebitiInseriti) {
    ASSERT_TRUE(f->importazione().anteprima(kDati + "/scalare_c_movimenti.csv"));
    f->clicca("ImportaMovimenti");
    std::ifstream file(kDati + "/scalare_a_condizioni.csv", std::ios::binary);
    RigheCsv righe(file);
    ASSERT_TRUE(f->condizioni().imposta(leggiCondizioni(righe).righe));
    // The words of scalare_c_parole.csv typed in, the usual ones deleted.
    for (const auto& [parola, tipo] : {std::pair{"Oneri di liquidazione", 0}, std::pair{"canone", 3}}) {
        f->incolla("NuovaParola", parola);
        f->seleziona("TipoParola", tipo);
        f->clicca("AggiungiParola");
    }
    f->seleziona("SchedePratica", kSchedaScalare);
    ASSERT_TRUE(f->scalare().aggiornato());
    for (int usuale = 0; usuale < 5; ++usuale) {
        f->selezionaVoce(f->id("TabellaParole"), 0);
        f->clicca("EliminaParola");
    }
    EXPECT_EQ(colonna(f->parole(), SchedaParole::kParola), "oneri di liquidazione|canone");
    EXPECT_FALSE(f->scalare().aggiornato()); // a word changed makes the scalare stale
    // The charges of scalare_c_addebiti.csv, typed in the other order.
    addebiti("31/03/2010", "172,40", "73,32", "");
    addebiti("15/01/2010", "", "", "15");
    using A = SchedaAddebiti;
    EXPECT_EQ(colonna(f->addebiti(), A::kData), "15/01/2010|31/03/2010");
    EXPECT_EQ(colonna(f->addebiti(), A::kFinePeriodo), "31/03/2010|31/03/2010");
    EXPECT_EQ(colonna(f->addebiti(), A::kTotale), "15,00|245,72");

    f->seleziona("SchedePratica", kSchedaScalare);
    ASSERT_TRUE(f->scalare().aggiornato());
    test::scalareComeAtteso(f->scalare().tabella(), kDati + "/scalare_c_atteso.csv");
    // Two rows of one period: one period of the bank's charges entered by hand.
    EXPECT_NE(f->testo(f->id("EsitoScalare")).find("Addebiti della banca inseriti a mano in 1 periodo."),
              std::string::npos);
}

struct CasoCella {
    const char* nome;
    bool parole; // the words' table, or the charges'
    std::size_t colonna;
    const char* testo;
    const char* atteso; // the cell after; "" when refused
};

class CelleAddebiti : public SchedeAddebitiTest, public testing::WithParamInterface<CasoCella> {};

// Row 0 of each table: the usual word "interessi", and a row of charges on 31/03/2010; a second row
// of charges on 30/06/2010.
TEST_P(CelleAddebiti, ScritteOppureRifiutate) {
    const CasoCella& c = GetParam();
    addebiti("31/03/2010", "10", "", "");
    addebiti("30/06/2010", "", "", "");
    TabellaCelle& t = c.parole ? static_cast<TabellaCelle&>(f->parole()) : f->addebiti();
    const auto parole = f->pratica().parole().parole();
    const auto righe = f->pratica().addebitiInseriti();
    risposte.dimentica();
    const bool scritta = t.scriviCella(0, c.colonna, c.testo);
    EXPECT_EQ(scritta, *c.atteso != '\0');
    if (scritta) {
        EXPECT_EQ(t.cella(0, c.colonna), c.atteso);
        EXPECT_TRUE(risposte.mostrati().empty());
        return;
    }
    EXPECT_FALSE(ultimoMessaggio().empty());
    EXPECT_EQ(f->pratica().parole().parole().size(), parole.size());
    EXPECT_EQ(f->pratica().parole().parole()[0].parola, parole[0].parola);
    EXPECT_EQ(f->pratica().addebitiInseriti(), righe);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CelleAddebiti,
    testing::Values(CasoCella{"parola", true, SchedaParole::kParola, " Oneri ", "oneri"},
                    CasoCella{"parola_corta", true, SchedaParole::kParola, "ab", ""},
                    CasoCella{"parola_vuota", true, SchedaParole::kParola, "", ""},
                    CasoCella{"parola_ripetuta", true, SchedaParole::kParola, "SPESE", ""},
                    CasoCella{"tipo_singolare", true, SchedaParole::kTipo, "Commissione", "commissioni"},
                    CasoCella{"tipo_ignoto", true, SchedaParole::kTipo, "tasse", ""},
                    CasoCella{"importo", false, SchedaAddebiti::kCompetenze, "1.234,5", "1.234,50"},
                    CasoCella{"accredito", false, SchedaAddebiti::kInteressi, "-3,20", "-3,20"},
                    CasoCella{"importo_vuoto", false, SchedaAddebiti::kInteressi, "", "0,00"},
                    CasoCella{"importo_errato", false, SchedaAddebiti::kSpese, "dieci", ""},
                    CasoCella{"data", false, SchedaAddebiti::kData, "1/1/2010", "01/01/2010"},
                    CasoCella{"data_inesistente", false, SchedaAddebiti::kData, "31/04/2010", ""},
                    CasoCella{"data_ripetuta", false, SchedaAddebiti::kData, "30/06/2010", ""}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(SchedeAddebitiTest, NoteConLaDataDiOggi) {
    f->incolla("TestoNota", "   ");
    f->clicca("AggiungiNota");
    EXPECT_EQ(ultimoMessaggio(), "La nota è vuota: scriverne il testo.");
    f->incolla("TestoNota", "Chiesti gli estratti del 2009");
    f->clicca("AggiungiNota");
    orologio.imposta(Data{2026, 3, 20});
    f->incolla("TestoNota", "Ricevuti");
    f->clicca("AggiungiNota");
    EXPECT_EQ(colonna(f->note(), SchedaNote::kData), "15/03/2026|20/03/2026");
    EXPECT_EQ(colonna(f->note(), SchedaNote::kTesto), "Chiesti gli estratti del 2009|Ricevuti");
    EXPECT_EQ(f->testo(f->id("TestoNota")), "");
    EXPECT_EQ(f->pratica().note().size(), 2u);
}

} // namespace
} // namespace vantrel
