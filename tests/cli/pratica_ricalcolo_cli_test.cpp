// vantrel-cli pratica ricalcola with the choices of the recalculation and pratica relazione on the
// worked example: the figures tools/ricalcolo_atteso.py works out, read back from the output, the
// PDF (pdftotext), the ODT (odt2txt) and the workbook (openpyxl); the same report after the case is
// reopened.
#include "support/esegui_cli.h"
#include "support/righe_attese.h"
#include "support/temp_dir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace vantrel {
namespace {

using test::esegui;

std::string comando(const std::string& riga) {
    std::string out;
    if (FILE* f = popen(riga.c_str(), "r")) {
        std::array<char, 4096> b{};
        for (std::size_t n; (n = std::fread(b.data(), 1, b.size(), f)) > 0;)
            out.append(b.data(), n);
        pclose(f);
    }
    return out;
}

// The official rates with the CMS averages the worked example enters (TM5, the ninth column), as an
// import file of `vantrel-cli tassi importa`.
std::string tassiConCmsMedia() {
    std::map<std::string, std::string> medie;
    for (const auto& m : test::righeFile(VANTREL_TEST_DATA "/ricalcolo_cms_media.csv"))
        medie[m.at("periodo")] = m.at("cms media");
    std::istringstream in(test::leggiTesto(VANTREL_DATA_DIR "/tassi-ufficiali.csv"));
    std::string out;
    for (std::string l; std::getline(in, l); out += l + "\n") {
        const auto media = medie.find(l.substr(0, l.find(';')));
        if (media == medie.end()) continue;
        std::size_t i = 0;
        for (int campo = 0; campo < 8; ++campo)
            i = l.find(';', i) + 1;
        l.insert(i, media->second);
    }
    return out;
}

// The expected outcome of a case of the script.
test::RigaAttesa atteso(const std::string& caso) {
    for (auto& r : test::righeFile(VANTREL_TEST_DATA "/ricalcolo_esito_atteso.csv"))
        if (r.at("caso") == caso) return r;
    ADD_FAILURE() << "caso sconosciuto " << caso;
    return {};
}

class RicalcoloCli : public testing::Test {
protected:
    void SetUp() override {
        test::scriviTesto(dir.file("tassi.csv"), tassiConCmsMedia());
        ASSERT_EQ(esegui({"tassi", "importa", dir.file("tassi.csv"), "--cartella", cartella}).codice, 0);
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
        return esegui(args);
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

// The choices as options, against the outcome of the same case of the script.
TEST_F(RicalcoloCli, LeSceltePerOpzione) {
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
        const auto a = atteso(caso);
        for (const auto& [voce, colonna] :
             {std::pair{"Saldo rideterminato", "saldo rideterminato"},
              std::pair{"Escluso per prescrizione", "prescritto"}, std::pair{"Minor debito", "minore debito"},
              std::pair{"Da restituire", "da restituire"}})
            EXPECT_EQ(e.count(voce) ? e.at(voce) : "0,00", a.at(colonna)) << caso << ", " << voce;
    }
    // The choices stay in the case: without options the last ones hold.
    EXPECT_EQ(esito(pratica({"ricalcola", file, "--formato", "ricalcolo"}).out).at("Saldo rideterminato"),
              atteso("saldo-zero").at("saldo rideterminato"));
}

// A wrong word or date is a wrong use (2), choices that cannot be applied are bad data (1); either
// way the case keeps the choices it had.
TEST_F(RicalcoloCli, OpzioniSbagliate) {
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
    const auto r = pratica({"ricalcola", file, "--formato", "ricalcolo"});
    EXPECT_EQ(esito(r.out).at("Saldo rideterminato"), atteso("banca").at("saldo rideterminato"));
}

TEST_F(RicalcoloCli, RelazionePdfEOdtConLeCifreDelRicalcolo) {
    ASSERT_EQ(
        pratica({"ricalcola", file, "--tassi", "bot", "--capitalizzazione", "norma", "--cms", "soglia", "--commissioni",
                 "eliminate", "--usura", "trimestre", "--spese", "fisse", "--prescrizione", "20/05/2019"})
            .codice,
        0);
    const std::string pdf = dir.file("relazione.pdf"), odt = dir.file("relazione.odt");
    const auto r = pratica({"relazione", file, "--pdf", pdf, "--odt", odt});
    ASSERT_EQ(r.codice, 0) << r.err;
    const std::string testoPdf = comando("pdftotext -layout '" + pdf + "' -");
    const std::string testoOdt = comando("odt2txt --encoding=UTF-8 --width=-1 '" + odt + "'");
    ASSERT_FALSE(testoPdf.empty());
    ASSERT_FALSE(testoOdt.empty());
    const auto e = atteso("insieme");
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
    EXPECT_EQ(comando("pdftotext -layout '" + pdf2 + "' -"), testoPdf);
}

// The workbook read back with openpyxl: the recalculation first, each period's recalculated balance
// and difference as the script works them out, the charges' totals as formulas over the periods,
// below an empty row.
TEST_F(RicalcoloCli, CartellaExcelConIlRicalcolo) {
    ASSERT_EQ(pratica({"ricalcola", file, "--tassi", "legale", "--prescrizione", "no"}).codice, 0);
    const std::string xlsx = dir.file("conto.xlsx"), py = dir.file("leggi.py");
    ASSERT_EQ(pratica({"esporta", file, "--xlsx", xlsx}).codice, 0);
    test::scriviTesto(py, "import openpyxl, sys\n"
                          "wb = openpyxl.load_workbook(sys.argv[1])\n"
                          "print(';'.join(wb.sheetnames))\n"
                          "r = wb['Ricalcolo']\n"
                          "it = lambda v: f'{v:,.2f}'.replace(',', '_').replace('.', ',').replace('_', '.')\n"
                          "for x in r.iter_rows(min_row=2, max_row=9, values_only=True):\n"
                          "    print(it(x[13]) + ';' + it(x[15]))\n"
                          "print(r['A11'].value, r['C11'].value, r['H11'].value, r['L11'].value)\n");
    std::string atteso = "Ricalcolo;Movimenti;Scalare;Risultati\n";
    for (const auto& riga : test::righeFile(VANTREL_TEST_DATA "/ricalcolo_atteso.csv"))
        if (riga.at("caso") == "tassi-legale")
            atteso += riga.at("saldo ricalcolato") + ";" + riga.at("differenza") + "\n";
    atteso += "Totali =SUM(C2:C9) =SUM(H2:H9) =SUM(L2:L9)\n";
    EXPECT_EQ(comando("/usr/bin/python3 '" + py + "' '" + xlsx + "' 2>&1"), atteso);
}

} // namespace
} // namespace vantrel
