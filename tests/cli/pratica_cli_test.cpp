// A whole account: the desktop import against vantrel-cli teg, and the workbooks read back.
#include "calculation/taeg.h"
#include "common/cp1252.h"
#include "support/ambiente.h"
#include "support/esegui_cli.h"

#include <cstdio>
#include <gtest/gtest.h>
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

/// What the Python reader prints of a workbook.
std::string leggiXlsx(const std::string& path, const std::string& script) {
    const std::string py = path + ".py";
    test::scriviTesto(py, "import openpyxl, sys\nwb = openpyxl.load_workbook(sys.argv[1])\n" + script);
    std::string out;
    if (FILE* p = popen(("/usr/bin/python3 '" + py + "' '" + path + "' 2>&1").c_str(), "r")) {
        char b[512];
        while (std::fgets(b, sizeof b, p))
            out += b;
        pclose(p);
    }
    return out;
}

struct Pratica : ::testing::Test, test::Ambiente {
    Pratica() {
        EXPECT_EQ(
            test::esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", dir.cartella()})
                .codice,
            0);
    }
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

    Taeg w(ctx);
    risposte.aggiungi(kEsempio);
    w.clicca("ImportaPeriodi");
    EXPECT_EQ(w["List1"].voci, righe(attese.out));
    EXPECT_EQ(w["TotTrimestri"].testo, "24");
    EXPECT_EQ(w["TotSuperi"].testo, "5");
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
}

TEST_F(Pratica, CartelleDiExcelDeiTrimestriEDelPiano) {
    const std::string xlsx = dir.file("conto.xlsx");
    ASSERT_EQ(
        test::esegui({"teg", kEsempio, "--cartella", dir.cartella(), "--oggi", "15/03/2026", "--xlsx", xlsx}).codice,
        0);
    EXPECT_EQ(leggiXlsx(xlsx, R"(r = wb.worksheets[0]
print(wb.sheetnames, r.freeze_panes, r.max_row)
print(r['F4'].value, r['F4'].number_format, r['B4'].number_format, r['I4'].value)
rosse = [c.row for c in r['I'] if c.fill.fgColor.rgb.endswith('FFC7CE')]
print(rosse, r['A27'].value, r['F27'].value, r['F28'].value, r['F29'].value, r['F30'].value)
print(wb.worksheets[1]['F2'].value, wb.worksheets[1]['F2'].number_format, wb.worksheets[2]['H2'].value)
)"),
              "['Riepilogo', 'Dati dei trimestri', 'Tassi usati'] A2 30\n"
              "15.035 #,##0.000 dd/mm/yyyy OLTRE SOGLIA\n"
              "[4, 5, 6, 11, 17] Trimestri controllati =COUNT(A2:A25) =COUNTIF(I2:I25,\"OLTRE SOGLIA\") "
              "=COUNTIF(J2:J25,\"oltre la soglia*\") =MAX(H2:H25)\n"
              "1619800 #,##0.00 9.84\n");

    const std::string piano = dir.file("piano.xlsx");
    ASSERT_EQ(test::esegui({"mutuo", "--importo", "100000", "--rate", "120", "--tasso", "6", "--oggi", "15/03/2026",
                            "--cartella", dir.cartella(), "--xlsx", piano})
                  .codice,
              0);
    EXPECT_EQ(leggiXlsx(piano, R"(p = wb.worksheets[0]
print(p.max_row, p['A121'].value, p['F121'].value, p['C2'].number_format, p['B2'].value.date())
print(p['C123'].value, p['G121'].value, wb.worksheets[1]['B2'].value)
)"),
              "123 120 1110.21 #,##0.00 2026-04-15\n=SUM(C2:C121) 0 100000\n");
}

} // namespace
} // namespace vantrel
