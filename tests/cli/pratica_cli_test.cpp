// A whole account: the desktop import against vantrel-cli teg, and the workbooks read back.
// vantrel-cli pratica ricalcola with the choices of the recalculation and pratica relazione on the
// worked example: the figures tools/ricalcolo_atteso.py works out, read back from the output, the
// PDF (pdftotext), the ODT (odt2txt) and the workbook (openpyxl); the same report after the case is
// reopened.
#include "calculation/taeg.h"
#include "common/cp1252.h"
#include "common/stampante_registrata.h"
#include "common/testo.h"
#include "rates/set_tassi.h"
#include "support/ambiente.h"
#include "support/conto_ricalcolo.h"
#include "support/esegui_cli.h"
#include "support/leggi_xlsx.h"
#include "support/righe_attese.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>

namespace vantrel {
namespace {

const std::string kEsempio = VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv";

std::vector<std::string> righe(const std::string& testo) {
    std::vector<std::string> r;
    std::istringstream in(testo);
    for (std::string l; std::getline(in, l);)
        r.push_back(l);
    return r;
}

// The widths of the date columns of every sheet: 11 characters, a date and its margin, which a
// workbook keeps as trunc((11 x 7 + 5) / 7 x 256) / 256 = 11.7109375.
constexpr const char* kLarghezzeDate = "print(sorted({ws.column_dimensions[c.column_letter].width for ws in wb\n"
                                       "    for c in ws[2] if c.number_format == 'dd/mm/yyyy'}))\n";

// A command that must go through, its message shown when it does not.
void riesce(const std::vector<std::string>& args) {
    const test::Esito e = test::esegui(args);
    ASSERT_EQ(e.codice, 0) << e.err;
}

struct Pratica : ::testing::Test, test::Ambiente {
    Pratica() { riesce({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", dir.cartella()}); }
};

TEST_F(Pratica, LImportazioneDaLeStesseRigheDiVantrelCliTeg) {
    // The same cells under the control names, in UTF-8: the plain headers must reach the same fields.
    std::string file = daCp1252AUtf8(test::leggiTesto(kEsempio));
    file.replace(0, file.find('\r'),
                 "dal;al;NumeriD;intDare;ComMS;extrafido;speseN;ComMS2;ASpese;fido;categoria;norma;Note");
    test::scriviTesto(dir.file("nomi.csv"), file);
    const test::Esito attese = test::esegui({"teg", dir.file("nomi.csv"), "--cartella", dir.cartella(), "--oggi",
                                             "15/03/2026", "--xlsx", dir.file("nomi.xlsx")});
    ASSERT_EQ(attese.codice, 0) << attese.err;
    // Its workbook: the summary, the quarters and the rates used.
    EXPECT_EQ(test::leggiXlsx(dir.file("nomi.xlsx"), R"(r = wb.worksheets[0]
print(wb.sheetnames, r.freeze_panes, r.max_row)
print(r['F4'].value, r['F4'].number_format, r['B4'].number_format, r['I4'].value)
rosse = [c.row for c in r['I'] if c.fill.fgColor.rgb.endswith('FFC7CE')]
print(rosse, r['A27'].value, r['F27'].value, r['F28'].value, r['F29'].value, r['F30'].value)
print(wb.worksheets[1]['F2'].value, wb.worksheets[1]['F2'].number_format, wb.worksheets[2]['H2'].value)
)" + std::string(kLarghezzeDate)),
              "['Riepilogo', 'Dati dei trimestri', 'Tassi usati'] A2 30\n"
              "15.035 #,##0.000 dd/mm/yyyy OLTRE SOGLIA\n"
              "[4, 5, 6, 11, 17] Trimestri controllati =COUNT(A2:A25) =COUNTIF(I2:I25,\"OLTRE SOGLIA\") "
              "=COUNTIF(J2:J25,\"oltre la soglia*\") =MAX(H2:H25)\n"
              "1619800 #,##0.00 9.84\n[11.7109375]\n");

    Taeg w(ctx);
    risposte.aggiungi(kEsempio);
    w.clicca("ImportaPeriodi");
    EXPECT_EQ(w["List1"].voci, righe(attese.out));
    EXPECT_EQ(w["TotTrimestri"].testo, "24");
    EXPECT_EQ(w["TotSuperi"].testo, "5");
    const auto supero = [](const EsitoTrimestre& e) { // the largest excess is the quarter's own
        return e.oltreSoglia() ? std::stod(std::regex_replace(e.supero, std::regex(","), ".")) : -1.0;
    };
    const auto& esiti = w.pratica().esiti();
    const auto& piuAlto = *std::ranges::max_element(esiti, {}, supero);
    EXPECT_EQ(w["SuperoMax"].testo, piuAlto.supero + " (dal " + piuAlto.dal + " al " + piuAlto.al + ")");
    ASSERT_EQ(risposte.mostrati().size(), 1u); // the ignored column is named
    EXPECT_NE(risposte.mostrati()[0].testo.find("\"Note\""), std::string::npos);
    EXPECT_EQ(ctx.stato.mascheraImporti, ""); // the quarters' currency stays theirs

    // The results as CSV, numbers as a spreadsheet reads them on an Italian system.
    risposte.aggiungi(dir.file("riepilogo.csv"));
    w.clicca("EsportaCsv");
    EXPECT_NE(test::leggiTesto(dir.file("riepilogo.csv"))
                  .find("\r\n3;01/07/2008;30/09/2008;Conto Corrente;2;15,035;14,805;0,230;OLTRE SOGLIA;CMS da "
                        "verificare;vecchia norma;Banca d'Italia;12,334;2,510;0,000;0,192;0,000;"),
              std::string::npos);

    // The print: a cover naming the check, the account, the day and the totals below a top margin of
    // four lines; a page for each quarter over the threshold.
    std::ostringstream stampa;
    StampanteRegistrata s(stampa);
    ctx.servizi.stampante = &s;
    w.clicca("StampaPratica");
    std::string copertina;
    for (const auto& l : righe(stampa.str().substr(0, stampa.str().find("nuova pagina"))))
        if (l == "vuota" || l.starts_with("riga ")) copertina += std::string(trim(l.substr(5))) + "|";
    EXPECT_TRUE(copertina.starts_with("||||Verifica dei tassi soglia del conto||conto-24-trimestri||Data: 15/03/2026||"
                                      "Trimestri controllati: 24, dal 01/01/2008 al 31/12/2013|"
                                      "Trimestri oltre la soglia: 5|Supero massimo: "))
        << copertina;
    std::size_t oltre = 0;
    for (const auto& l : righe(stampa.str()))
        oltre += l.starts_with("riga       Trimestre oltre la soglia N. ");
    EXPECT_EQ(oltre, 5u);

    // A bad cell: named in the message, and nothing of the file is taken.
    test::scriviTesto(dir.file("errato.csv"), "Dal;Al;Interessi\r\n01/01/2020;31/03/2020;5\r\n"
                                              "01/04/2020;30/06/2020;12,3,4\r\n");
    const auto lista = w["List1"].voci;
    risposte.aggiungi(dir.file("errato.csv"));
    w.clicca("ImportaPeriodi");
    EXPECT_NE(risposte.mostrati().back().testo.find("riga 3, colonna Interessi: \"12,3,4\" non è un importo"),
              std::string::npos);
    EXPECT_EQ(w["List1"].voci, lista);
    EXPECT_EQ(w.pratica().esiti().size(), 24u);

    // An import asked while the quarters are still being checked, or with no file dialog to ask, does
    // nothing: the running check goes on untouched.
    w.pratica().continua = [] {}; // the host steps the checks
    risposte.aggiungi(kEsempio);
    w.clicca("ImportaPeriodi");
    ASSERT_TRUE(w.pratica().inCorso());
    risposte.aggiungi(dir.file("altro.csv"));
    w.pratica().importaPeriodi();
    EXPECT_EQ(risposte.rimaste(), 1u);
    while (w.pratica().passo()) {
    }
    ctx.servizi.file = nullptr;
    w.clicca("ImportaPeriodi");
    EXPECT_EQ(w.pratica().esiti().size(), 24u);
}

TEST_F(Pratica, CartellaExcelDelPiano) {
    const std::string piano = dir.file("piano.xlsx");
    riesce({"mutuo", "--importo", "100000", "--rate", "120", "--tasso", "6", "--oggi", "15/03/2026", "--cartella",
            dir.cartella(), "--xlsx", piano});
    EXPECT_EQ(test::leggiXlsx(piano, R"(p = wb.worksheets[0]
print(p.max_row, p['A121'].value, p['F121'].value, p['C2'].number_format, p['B2'].value.date())
print(p['C123'].value, p['G121'].value, wb.worksheets[1]['B2'].value)
)" + std::string(kLarghezzeDate)),
              "123 120 1110.21 #,##0.00 2026-04-15\n=SUM(C2:C121) 0 100000\n[11.7109375]\n");
}

class RicalcoloCli : public testing::Test {
protected:
    void SetUp() override {
        TabellaTassi tassi; // the official rates with the CMS averages the worked example enters
        test::caricaTassiEsempio(tassi);
        std::string errore;
        ASSERT_TRUE(scriviSetTassi(cartella, tassi, nullptr, errore)) << errore;
        for (const char* f : {"tasso-legale.csv", "bot-12-mesi-aste.csv"})
            std::filesystem::copy_file(std::string(VANTREL_DATA_DIR "/") + f, cartella + f);
        ASSERT_EQ(pratica({"crea", file, "--cliente", "Officine Verdi S.r.l.", "--saldo-iniziale", "-5.000,00"}).codice,
                  0);
        ASSERT_EQ(pratica({"condizioni", file, VANTREL_TEST_DATA "/ricalcolo_condizioni.csv"}).codice, 0);
        ASSERT_EQ(pratica({"importa-movimenti", file, VANTREL_TEST_DATA "/ricalcolo_movimenti.csv"}).codice, 0);
    }
    test::Esito pratica(std::vector<std::string> args, const char* oggi = "15/03/2026") {
        args.insert(args.begin(), "pratica");
        for (const char* o : {"--cartella", cartella.c_str(), "--oggi", oggi})
            args.emplace_back(o);
        return test::esegui(args);
    }
    // The outcome printed by --formato ricalcolo: "voce;importo" after the table and an empty line.
    std::map<std::string, std::string> esito(const std::string& out) {
        std::map<std::string, std::string> e;
        std::istringstream in(out.substr(out.find("\n\n") + 2));
        for (std::string l; std::getline(in, l);)
            e[l.substr(0, l.find(';'))] = l.substr(l.find(';') + 1);
        return e;
    }

    test::CartellaTemporanea dir;
    std::string cartella = dir.cartella(), file = dir.file("conto.vantrel");
};

// A wrong word or date is a wrong use (2), choices that cannot be applied are bad data (1); either
// way the case keeps the choices it had. Then the choices as options, against the outcome of the same
// case of the script.
TEST_F(RicalcoloCli, LeSceltePerOpzione) {
    struct Caso {
        std::vector<std::string> opzioni;
        int codice;
    };
    for (const Caso& c : {Caso{{"--cms", "forse"}, 2}, Caso{{"--tassi-dal", "31/02/2009"}, 2},
                          Caso{{"--tasso-inserito", "01/01/2009:7"}, 2}, Caso{{"--spese", "tutte"}, 2},
                          Caso{{"--prescrizione"}, 2}, Caso{{"--tassi", "inseriti"}, 1},
                          Caso{{"--capitalizzazione-dal", "01/01/2010", "--capitalizzazione-al", "01/01/2009",
                                "--capitalizzazione", "nessuna"},
                               1}}) {
        std::vector<std::string> args = {"ricalcola", file};
        args.insert(args.end(), c.opzioni.begin(), c.opzioni.end());
        const auto r = pratica(args);
        EXPECT_EQ(r.codice, c.codice) << c.opzioni[0] << ": " << r.err;
        EXPECT_FALSE(r.err.empty()) << c.opzioni[0];
    }
    EXPECT_EQ(pratica({"relazione", file, "--pdf", dir.file("r.pdf")}).codice, 1); // never recalculated
    EXPECT_EQ(pratica({"relazione", file}).codice, 2);
    EXPECT_EQ(esito(pratica({"ricalcola", file, "--formato", "ricalcolo"}).out).at("Saldo rideterminato"),
              test::esitoAtteso("banca").at("saldo rideterminato"));

    const std::vector<std::pair<std::string, std::vector<std::string>>> casi = {
        {"capitalizzazione-nessuna-2009",
         {"--capitalizzazione", "nessuna", "--capitalizzazione-dal", "01/01/2009", "--capitalizzazione-al",
          "31/12/2009"}},
        {"capitalizzazione-norma",
         {"--capitalizzazione", "norma", "--adeguamento", "01/04/2009", "--capitalizzazione-dal", "01/01/1990",
          "--capitalizzazione-al", "31/12/2099"}},
        {"tassi-inseriti",
         {"--capitalizzazione", "banca", "--tassi", "inseriti", "--tassi-dal", "15/02/2009", "--tasso-inserito",
          "01/01/2010:6:0,5", "--tasso-inserito", "01/01/2009:7:1"}},
        {"insieme",
         {"--tassi", "bot", "--tassi-dal", "01/01/1990", "--capitalizzazione", "norma", "--adeguamento", "no", "--cms",
          "soglia", "--commissioni", "eliminate", "--usura", "trimestre", "--spese", "fisse", "--prescrizione",
          "20/05/2019"}},
        {"saldo-zero",
         {"--tassi", "contratto", "--capitalizzazione", "banca", "--cms", "mantenuta", "--commissioni", "mantenute",
          "--usura", "nessuna", "--spese", "mantenute", "--prescrizione", "no", "--saldo-iniziale", "zero"}},
    };
    for (const auto& [caso, opzioni] : casi) {
        std::vector<std::string> args = {"ricalcola", file, "--formato", "ricalcolo"};
        args.insert(args.end(), opzioni.begin(), opzioni.end());
        const auto r = pratica(args);
        ASSERT_EQ(r.codice, 0) << caso << ": " << r.err;
        const auto e = esito(r.out);
        const auto a = test::esitoAtteso(caso);
        for (const auto& [voce, colonna] :
             {std::pair{"Saldo rideterminato", "saldo rideterminato"},
              std::pair{"Escluso per prescrizione", "prescritto"}, std::pair{"Minor debito", "minore debito"},
              std::pair{"Da restituire", "da restituire"}})
            EXPECT_EQ(e.count(voce) ? e.at(voce) : "0,00", a.at(colonna)) << caso << ", " << voce;
    }
    // The choices stay in the case: without options the last ones hold.
    EXPECT_EQ(esito(pratica({"ricalcola", file, "--formato", "ricalcolo"}).out).at("Saldo rideterminato"),
              test::esitoAtteso("saldo-zero").at("saldo rideterminato"));
}

TEST_F(RicalcoloCli, CartellaExcelRelazionePdfEOdtConLeCifreDelRicalcolo) {
    // The workbook read back with openpyxl: the recalculation first, each period's recalculated balance
    // and difference as the script works them out, the charges' totals as formulas over the periods,
    // below an empty row.
    ASSERT_EQ(pratica({"ricalcola", file, "--tassi", "legale", "--prescrizione", "no"}).codice, 0);
    const std::string xlsx = dir.file("conto.xlsx");
    ASSERT_EQ(pratica({"esporta", file, "--xlsx", xlsx}).codice, 0);
    std::string atteso = "Ricalcolo;Movimenti;Scalare;Risultati\n";
    for (const auto& riga : test::righeFile(VANTREL_TEST_DATA "/ricalcolo_atteso.csv"))
        if (riga.at("caso") == "tassi-legale")
            atteso += riga.at("saldo ricalcolato") + ";" + riga.at("differenza") + "\n";
    atteso += "Totali =SUM(C2:C9) =SUM(H2:H9) =SUM(L2:L9)\n";
    EXPECT_EQ(test::leggiXlsx(xlsx, "print(';'.join(wb.sheetnames))\n"
                                    "r = wb['Ricalcolo']\n"
                                    "it = lambda v: f'{v:,.2f}'.replace(',', '_').replace('.', ',').replace('_', '.')\n"
                                    "for x in r.iter_rows(min_row=2, max_row=9, values_only=True):\n"
                                    "    print(it(x[13]) + ';' + it(x[15]))\n"
                                    "print(r['A11'].value, r['C11'].value, r['H11'].value, r['L11'].value)\n" +
                                        std::string(kLarghezzeDate)),
              atteso + "[11.7109375]\n");
    // The report, under other choices.
    const auto insieme =
        pratica({"ricalcola", file, "--tassi", "bot", "--capitalizzazione", "norma", "--cms", "soglia", "--commissioni",
                 "eliminate", "--usura", "trimestre", "--spese", "fisse", "--prescrizione", "20/05/2019"});
    ASSERT_EQ(insieme.codice, 0) << insieme.err;
    const std::string pdf = dir.file("relazione.pdf"), odt = dir.file("relazione.odt");
    const auto r = pratica({"relazione", file, "--pdf", pdf, "--odt", odt});
    ASSERT_EQ(r.codice, 0) << r.err;
    const std::string testoPdf = test::uscitaDi("pdftotext -layout '" + pdf + "' -");
    const std::string testoOdt = test::uscitaDi("odt2txt --encoding=UTF-8 --width=-1 '" + odt + "'");
    ASSERT_FALSE(testoPdf.empty());
    ASSERT_FALSE(testoOdt.empty());
    const auto e = test::esitoAtteso("insieme");
    for (const std::string* t : {&testoPdf, &testoOdt}) {
        for (const auto& riga : test::righeFile(VANTREL_TEST_DATA "/ricalcolo_atteso.csv")) {
            if (riga.at("caso") != "insieme") continue;
            for (const char* c : {"saldo ricalcolato", "differenza", "interessi"})
                EXPECT_NE(t->find(riga.at(c)), std::string::npos) << riga.at("dal") << ", " << c;
        }
        for (const char* c : {"saldo rideterminato", "prescritto", "minore debito"})
            EXPECT_NE(t->find(e.at(c) + " euro"), std::string::npos) << c;
    }
    // Reopened and recalculated under the same choices, the case gives the same report.
    ASSERT_EQ(pratica({"ricalcola", file}).codice, 0);
    const std::string odt2 = dir.file("di-nuovo.odt"), pdf2 = dir.file("di-nuovo.pdf");
    ASSERT_EQ(pratica({"relazione", file, "--pdf", pdf2, "--odt", odt2}).codice, 0);
    EXPECT_EQ(test::leggiTesto(odt2), test::leggiTesto(odt));
    EXPECT_EQ(test::uscitaDi("pdftotext -layout '" + pdf2 + "' -"), testoPdf);
}

} // namespace
} // namespace vantrel
