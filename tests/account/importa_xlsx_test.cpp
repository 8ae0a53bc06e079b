// Movements from workbooks as Excel writes them (openpyxl writes them here): real dates and date texts,
// numbers and amount texts, shared strings, and inline strings as other programs write them.
#include "account/importa_movimenti.h"
#include "platform/xlsx/lettore_xlsx_file.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

constexpr const char* kScrivi = R"(
import datetime, sys, zipfile, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.append(["Movimenti del conto 123"])
ws.append([])
ws.append(["Data contabile", "Data valuta", "Descrizione operazione", "Importo"])
ws.append([datetime.date(2010, 1, 4), datetime.date(2010, 1, 2), "BONIFICO CITTÀ", -900.1])
ws.append(["05/01/2010", "2010-01-05", "VERSAMENTO", "1.234,56"])
ws.append([datetime.datetime(2010, 1, 6, 9, 30), 40184, 12, 0.07])
wb.save(sys.argv[1] + "/excel.xlsx")
riga = lambda r, celle: '<row r="%d">' % r + "".join(
    '<c r="%s%d" t="inlineStr"><is><t>%s</t></is></c>' % (c, r, t) for c, t in celle) + "</row>"
foglio = ('<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
          + riga(1, [("A", "Data"), ("C", "Importo")]) + riga(4, [("A", "07/01/2010"), ("C", "-3,50")])
          + "</sheetData></worksheet>")
with zipfile.ZipFile(sys.argv[1] + "/inline.xlsx", "w") as z:
    z.writestr("xl/worksheets/sheet1.xml", foglio)
)";

TEST(FileExcel, DateEImportiComeNumeriOComeTesti) {
    test::CartellaTemporanea dir;
    test::scriviTesto(dir.file("scrivi.py"), kScrivi);
    ASSERT_EQ(std::system(("/usr/bin/python3 " + dir.file("scrivi.py") + " " + dir.cartella()).c_str()), 0);
    const auto leggi = [&](const std::string& nome, std::vector<Movimento>& letti) {
        std::string errore;
        auto righe = LettoreXlsxFile().apri(dir.file(nome), errore);
        EXPECT_TRUE(righe) << errore;
        return righe ? leggiMovimenti(*righe, [&](const Movimento& m) { letti.push_back(m); }) : LetturaMovimenti{};
    };
    std::vector<Movimento> letti, inLinea;
    const auto l = leggi("excel.xlsx", letti);
    ASSERT_EQ(l.errore, "");
    EXPECT_EQ(l.rigaIntestazione, 3);
    const std::vector<Movimento> attesi = {{{2010, 1, 4}, {2010, 1, 2}, "BONIFICO CITTÀ", -90010},
                                           {{2010, 1, 5}, {2010, 1, 5}, "VERSAMENTO", 123456},
                                           {{2010, 1, 6}, {2010, 1, 6}, "12", 7}};
    EXPECT_EQ(letti, attesi);
    // Inline strings, and the rows and cells a writer leaves out.
    ASSERT_EQ(leggi("inline.xlsx", inLinea).errore, "");
    EXPECT_EQ(inLinea, (std::vector<Movimento>{{{2010, 1, 7}, {2010, 1, 7}, "", -350}}));
    std::string errore;
    EXPECT_FALSE(LettoreXlsxFile().apri(dir.file("scrivi.py"), errore));
    EXPECT_EQ(errore, "il file non è una cartella di lavoro Excel (.xlsx) leggibile");
    EXPECT_FALSE(LettoreXlsxFile().apri(dir.file("manca.xlsx"), errore));
    EXPECT_EQ(errore, "impossibile aprire il file");
}

} // namespace
} // namespace vantrel
