// The case window driven by control name on a real case file: the movements' edits with undo and
// redo, the import with its preview, the conditions, the scalare against a worked example, and a
// long work cancelled.
#include "platform/sqlite/banche_dati_sqlite.h"
#include "platform/xlsx/lettore_xlsx_file.h"
#include "support/ambiente.h"
#include "tabelle_pratica.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

const std::string kDati = VANTREL_TEST_DATA;
const std::string kEsempi = VANTREL_EXAMPLES_DIR;
using M = SchedaMovimenti;
using test::colonna;

class FinestraPraticaTest : public testing::Test, protected test::Ambiente {
protected:
    FinestraPraticaTest() {
        ctx.servizi.bancheDati = &sqlite;
        ctx.servizi.lettoreXlsx = &xlsx;
    }
    std::unique_ptr<FinestraPratica> crea(const std::string& nome = "conto") {
        std::string errore;
        auto p = Pratica::crea(sqlite, dir.file(nome + ".vantrel"), errore);
        EXPECT_EQ(errore, "");
        return std::make_unique<FinestraPratica>(ctx, std::move(p));
    }
    // Three movements typed in the fields below the table, on an opening balance of -1.000,00.
    std::unique_ptr<FinestraPratica> conTreMovimenti(const std::string& nome = "conto") {
        auto f = crea(nome);
        f->incolla("SaldoIniziale", "-1000");
        f->esci("SaldoIniziale");
        const char* righe[][4] = {{"04/01/2010", "02/01/2010", "BONIFICO", "-900,00"},
                                  {"05/01/2010", "", "VERSAMENTO", "600"},
                                  {"10/01/2010", "10/01/2010", "SPESE", "-2,50"}};
        for (const auto& r : righe) {
            f->incolla("NuovaData", r[0]);
            f->incolla("NuovaValuta", r[1]);
            f->incolla("NuovaDescrizione", r[2]);
            f->incolla("NuovoImporto", r[3]);
            f->clicca("AggiungiMovimento");
        }
        return f;
    }
    std::string ultimoMessaggio() const { return risposte.mostrati().empty() ? "" : risposte.mostrati().back().testo; }

    BancheDatiSqlite sqlite;
    LettoreXlsxFile xlsx;
};

TEST_F(FinestraPraticaTest, MovimentiPerValutaConIlSaldoDopoOgnuno) {
    auto f = conTreMovimenti();
    // By value date; the balances worked by hand from -1.000,00: -900, +600, -2,50.
    EXPECT_EQ(colonna(f->movimenti(), M::kDescrizione), "BONIFICO|VERSAMENTO|SPESE");
    EXPECT_EQ(colonna(f->movimenti(), M::kValuta), "02/01/2010|05/01/2010|10/01/2010"); // empty: the operation date
    EXPECT_EQ(colonna(f->movimenti(), M::kSaldo), "-1.900,00|-1.300,00|-1.302,50");
    EXPECT_EQ(f->testo(f->id("TotMovimenti")), "3 movimenti; saldo finale -1.302,50");
    EXPECT_EQ(f->pratica().dato(dati_pratica::kSaldoIniziale), "-1.000,00");
}

// A cell of the movements written over the three above: the rows after it by value date, their balances
// (nullptr: as they were), then undone and redone; a refused edit names its fault and changes nothing.
TEST_F(FinestraPraticaTest, UnaCellaDeiMovimentiSiScriveOSiRifiutaESiAnnulla) {
    struct Caso {
        const char* nome;
        std::size_t riga, colonna;
        const char *testo, *errore, *descrizioni, *saldi;
    };
    const Caso casi[] = {
        {"importo italiano", 1, M::kImporto, "1.600,00", "", nullptr, "-1.900,00|-300,00|-302,50"},
        {"importo con due virgole", 0, M::kImporto, "12,3,4", "non è un importo", nullptr, nullptr},
        {"data che non esiste", 0, M::kValuta, "31/02/2010", "non è una data", nullptr, nullptr},
        // A later value date moves the row, and the balances follow the new order.
        {"valuta posticipata", 0, M::kValuta, "06/01/2010", "", "VERSAMENTO|BONIFICO|SPESE",
         "-400,00|-1.300,00|-1.302,50"},
        {"descrizione", 2, M::kDescrizione, "SPESE TENUTA CONTO", "", "BONIFICO|VERSAMENTO|SPESE TENUTA CONTO",
         nullptr},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        auto f = conTreMovimenti(k.nome); // a case file of its own
        const std::string descrizioni = colonna(f->movimenti(), M::kDescrizione);
        const std::string saldi = colonna(f->movimenti(), M::kSaldo);
        const bool accettata = f->movimenti().scriviCella(k.riga, k.colonna, k.testo);
        EXPECT_EQ(accettata, *k.errore == '\0');
        if (!accettata) {
            EXPECT_NE(ultimoMessaggio().find(k.errore), std::string::npos) << ultimoMessaggio();
        }
        const std::string descrizioniDopo = k.descrizioni ? k.descrizioni : descrizioni;
        const std::string saldiDopo = k.saldi ? k.saldi : saldi;
        EXPECT_EQ(colonna(f->movimenti(), M::kDescrizione), descrizioniDopo);
        EXPECT_EQ(colonna(f->movimenti(), M::kSaldo), saldiDopo);
        if (!accettata) continue;
        EXPECT_EQ(f->testo(f->id("AnnullaModifica")), "Annulla modifica");
        f->clicca("AnnullaModifica");
        EXPECT_EQ(colonna(f->movimenti(), M::kDescrizione), descrizioni);
        EXPECT_EQ(colonna(f->movimenti(), M::kSaldo), saldi);
        f->clicca("RipetiModifica");
        EXPECT_EQ(colonna(f->movimenti(), M::kSaldo), saldiDopo);
    }
}

TEST_F(FinestraPraticaTest, UnMovimentoIllegibileNonEntraEUnoEliminatoTornaConAnnulla) {
    auto f = crea();
    f->incolla("NuovaData", "13/13/2010");
    f->incolla("NuovoImporto", "10");
    f->clicca("AggiungiMovimento");
    EXPECT_EQ(f->pratica().numeroMovimenti(), 0u);
    EXPECT_NE(ultimoMessaggio().find("non è una data"), std::string::npos);
    EXPECT_EQ(f->fuoco(), f->id("NuovaData"));

    f->incolla("NuovaData", "13/01/2010");
    f->clicca("AggiungiMovimento");
    ASSERT_EQ(f->pratica().numeroMovimenti(), 1u);
    EXPECT_EQ(f->testo(f->id("NuovoImporto")), "");        // ready for the next movement
    EXPECT_EQ(f->testo(f->id("NuovaData")), "13/01/2010"); // of the same day
    EXPECT_EQ(f->pratica().movimento(f->movimenti().id(0))->importo, 1000);
    EXPECT_TRUE(f->modificata() == false); // a named case is always on disk

    f->selezionaVoce(f->id("TabellaMovimenti"), 0);
    ASSERT_TRUE(f->operator[]("EliminaMovimento").abilitato);
    f->clicca("EliminaMovimento");
    EXPECT_EQ(f->pratica().numeroMovimenti(), 0u);
    EXPECT_FALSE(f->operator[]("EliminaMovimento").abilitato);
    EXPECT_EQ(f->testo(f->id("AnnullaModifica")), "Annulla eliminazione");
    f->clicca("AnnullaModifica");
    EXPECT_EQ(f->pratica().numeroMovimenti(), 1u);
    EXPECT_EQ(f->testo(f->id("RipetiModifica")), "Ripeti eliminazione");
}

TEST_F(FinestraPraticaTest, LAnteprimaNonImportaNullaEIDoppiSiChiedono) {
    auto f = crea();
    const std::string file = kEsempi + "/movimenti-conto-2-anni.csv";
    risposte.aggiungi(file);
    f->clicca("ScegliMovimenti");
    EXPECT_EQ(f->pratica().numeroMovimenti(), 0u);
    EXPECT_EQ(f->testo(f->id("EsitoLettura")).rfind("Letti 599 movimenti dal ", 0), 0u)
        << f->testo(f->id("EsitoLettura"));
    EXPECT_FALSE(f->operator[]("ColonneLette").voci.empty());
    EXPECT_EQ(f->operator[]("AnteprimaMovimenti").voci.size(), LetturaMovimenti::kPrimi);
    ASSERT_TRUE(f->operator[]("ImportaMovimenti").abilitato);

    f->clicca("ImportaMovimenti");
    EXPECT_EQ(f->pratica().numeroMovimenti(), 599u);
    EXPECT_EQ(f->movimenti().righe(), 599u);
    EXPECT_EQ(f->operator[]("SchedePratica").selezione, kSchedaMovimenti);
    EXPECT_FALSE(f->operator[]("ImportaMovimenti").abilitato);

    // The same file again: every movement is already there; "No" keeps the case as it was.
    ASSERT_TRUE(f->importazione().anteprima(file));
    risposte.aggiungi(Risposta::No);
    f->clicca("ImportaMovimenti");
    EXPECT_NE(ultimoMessaggio().find("599 movimenti del file sono uguali"), std::string::npos) << ultimoMessaggio();
    EXPECT_EQ(f->pratica().numeroMovimenti(), 599u);
}

TEST_F(FinestraPraticaTest, UnaCellaSbagliataSiNominaENonSiPuoImportare) {
    auto f = crea();
    const std::string file = dir.file("sbagliato.csv");
    test::scriviTesto(file, "Data;Descrizione;Importo\n01/02/2022;BONIFICO;-10,00\n02/02/2022;ASSEGNO;12,3,4\n");
    EXPECT_FALSE(f->importazione().anteprima(file));
    const std::string esito = f->testo(f->id("EsitoLettura"));
    EXPECT_NE(esito.find("riga 3, colonna Importo"), std::string::npos) << esito;
    EXPECT_FALSE(f->operator[]("ImportaMovimenti").abilitato);
    EXPECT_TRUE(f->operator[]("ScartaAnteprima").abilitato);
    f->clicca("ScartaAnteprima");
    EXPECT_EQ(f->testo(f->id("EsitoLettura")), "");
}

TEST_F(FinestraPraticaTest, UnImportazioneAnnullataLasciaLaPraticaComEra) {
    auto f = crea();
    f->primaDiMostrare = std::chrono::milliseconds(0);
    ASSERT_TRUE(f->importazione().anteprima(kEsempi + "/movimenti-conto-2-anni.csv"));
    bool visto = false;
    risposte.aggiungi(dir.file("copia.vantrel")); // for a "Salva con nome..." that must wait too
    f->mostraAvanzamento = [&] {
        visto = true;
        EXPECT_TRUE(f->operator[]("AvanzamentoPratica").visibile);
        EXPECT_TRUE(f->operator[]("AnnullaLavoro").visibile);
        EXPECT_FALSE(f->operator[]("SchedePratica").abilitato);
        f->clicca("CalcolaScalare"); // waits for the end of the work
        EXPECT_FALSE(f->salvaConNome());
        f->clicca("AnnullaLavoro");
    };
    f->clicca("ImportaMovimenti");
    EXPECT_TRUE(visto);
    EXPECT_EQ(f->pratica().numeroMovimenti(), 0u);
    EXPECT_EQ(ultimoMessaggio(), testiFinestraPratica::annullato);
    EXPECT_FALSE(f->operator[]("AnnullaLavoro").visibile);
    EXPECT_TRUE(f->operator[]("SchedePratica").abilitato);
    EXPECT_FALSE(f->scalare().aggiornato());
    EXPECT_EQ(risposte.rimaste(), 1u);
    ctx.servizi.file = nullptr; // no file dialog: nothing to save as
    EXPECT_FALSE(f->salvaConNome());
}

// A workbook's rows are not counted ahead: its reading reports the rows read, of an unknown total.
TEST_F(FinestraPraticaTest, UnaCartellaDiExcelAvanzaPerRigheLette) {
    test::scriviTesto(dir.file("scrivi.py"), R"(import sys, zipfile
r = lambda n, a, b: '<row r="%d"><c r="A%d" t="inlineStr"><is><t>%s</t></is></c><c r="B%d" t="inlineStr"><is><t>%s</t></is></c></row>' % (n, n, a, n, b)
righe = "".join([r(1, "Data", "Importo")] + [r(n, "04/01/2010", "1,00") for n in range(2, 1100)])
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.writestr("xl/worksheets/sheet1.xml", '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>' + righe + "</sheetData></worksheet>")
)");
    ASSERT_EQ(std::system(("/usr/bin/python3 " + dir.file("scrivi.py") + " " + dir.file("lungo.xlsx")).c_str()), 0);
    auto f = crea();
    f->primaDiMostrare = std::chrono::milliseconds(0);
    std::vector<std::pair<std::size_t, std::size_t>> visti;
    f->mostraAvanzamento = [&] { visti.emplace_back(f->fatti(), f->totale()); };
    ASSERT_TRUE(f->importazione().anteprima(dir.file("lungo.xlsx")));
    EXPECT_EQ(visti, (std::vector<std::pair<std::size_t, std::size_t>>{{512, 0}, {1024, 0}}));
}

// A cell of a new row of conditions, written and read back as the table shows it (empty: refused).
TEST_F(FinestraPraticaTest, UnaCellaDelleCondizioniSiLeggeComeLaScriveUnContratto) {
    using C = SchedaCondizioni;
    const std::tuple<const char*, std::size_t, const char*, const char*> casi[] = {
        {"tasso con virgola", C::kTassoDebitore, "9,5", "9,5"},
        {"tasso con percento", C::kTassoDebitore, "13,75%", "13,75"},
        {"tasso vuoto zero", C::kTassoDebitore, "", "0"},
        {"tasso negativo", C::kTassoDebitore, "-1", ""},
        {"fido con punti", C::kFido, "10.000,00", "10.000,00"},
        {"fido negativo", C::kFido, "-5.000", ""},
        {"divisore commerciale", C::kDivisore, "360", "360"},
        {"divisore sbagliato", C::kDivisore, "366", ""},
        {"liquidazione maiuscola", C::kLiquidazione, "Semestrale", "semestrale"},
        {"liquidazione mensile", C::kLiquidazione, "mensile", ""},
        {"ritenuta di legge", C::kRitenuta, "Di Legge", "di legge"},
        {"ritenuta vuota di legge", C::kRitenuta, "", "di legge"},
        {"ritenuta fissa", C::kRitenuta, "26", "26"},
        {"data di una cifra", C::kDal, "1/7/2014", "01/07/2014"},
        {"data inesistente", C::kDal, "31/04/2014", ""},
    };
    for (const auto& [nome, c, testo, letto] : casi) {
        SCOPED_TRACE(nome);
        auto f = crea(nome); // a case file of its own
        f->clicca("AggiungiCondizioni");
        const bool scritta = f->condizioni().scriviCella(0, c, testo);
        EXPECT_EQ(scritta, *letto != '\0') << ultimoMessaggio();
        if (scritta) {
            EXPECT_EQ(f->condizioni().cella(0, c), letto);
        }
    }
}

// The scalare of the worked example, as tools/scalare_atteso.py computed it day by day; then its
// conditions edited, reordered and checked together.
TEST_F(FinestraPraticaTest, LoScalareDellEsempioCalcolatoFuoriELeSueCondizioni) {
    auto f = crea();
    ASSERT_TRUE(f->importazione().anteprima(kDati + "/scalare_a_movimenti.csv"));
    f->clicca("ImportaMovimenti");
    risposte.aggiungi(kDati + "/scalare_a_condizioni.csv");
    f->clicca("ImportaCondizioni");
    using C = SchedaCondizioni;
    ASSERT_EQ(f->condizioni().righe(), 3u);
    EXPECT_EQ(colonna(f->condizioni(), C::kDal), "01/10/2009|16/11/2009|01/01/2010");
    EXPECT_EQ(colonna(f->condizioni(), C::kTassoExtrafido), "14|14|13,5"); // an empty cell keeps the row before
    f->seleziona("SchedePratica", kSchedaScalare);                         // shown: worked out
    ASSERT_TRUE(f->scalare().aggiornato());
    test::scalareComeAtteso(f->scalare().tabella(), kDati + "/scalare_a_atteso.csv");
    EXPECT_TRUE(f->operator[]("EsportaScalare").abilitato);

    f->incolla("NuovaData", "15/01/2010");
    f->incolla("NuovoImporto", "-100");
    f->clicca("AggiungiMovimento");
    EXPECT_FALSE(f->scalare().aggiornato());
    EXPECT_EQ(f->testo(f->id("EsitoScalare")).rfind("La pratica è cambiata", 0), 0u);

    // A date moved before another puts its row there.
    EXPECT_TRUE(f->condizioni().scriviCella(2, C::kDal, "01/11/2009"));
    EXPECT_EQ(colonna(f->condizioni(), C::kDal), "01/10/2009|01/11/2009|16/11/2009");
    EXPECT_EQ(colonna(f->condizioni(), C::kTassoDebitore), "9,5|8,75|10,25");
    // Two rows from one date: refused, the case keeps its table.
    const auto prima = f->pratica().condizioni();
    EXPECT_FALSE(f->condizioni().scriviCella(1, C::kDal, "16/11/2009"));
    EXPECT_FALSE(ultimoMessaggio().empty());
    EXPECT_EQ(f->pratica().condizioni(), prima);

    f->clicca("AggiungiCondizioni");
    EXPECT_EQ(colonna(f->condizioni(), C::kDal), "01/10/2009|01/11/2009|16/11/2009|17/11/2009");
    ASSERT_TRUE(f->operator[]("EliminaCondizioni").abilitato);
    f->clicca("EliminaCondizioni");
    EXPECT_EQ(f->pratica().condizioni(), prima);
}

} // namespace
} // namespace vantrel
