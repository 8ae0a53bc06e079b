#include "comando_stampa.h"
#include "common/stampante_registrata.h"
#include "program/record_impostazioni.h"
#include "stampante_pdf.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vantrel {
namespace {

using Righe = std::vector<std::string>;

void scriviOpzioni(const std::string& cartella, int orizzontale, int verticale) {
    OpzStampaRecord opz;
    opz.righeOrizzontale(orizzontale);
    opz.righeVerticale(verticale);
    test::scriviByte(cartella + "OpzStampa.DAT", {opz.byte.begin(), opz.byte.end()});
}

std::string scriviReport(const test::CartellaTemporanea& dir, const Righe& righe) {
    const std::string rkt = dir.file("r" + std::to_string(righe.size()) + ".RKT");
    std::ofstream f(rkt, std::ios::binary);
    for (const auto& r : righe)
        f << r << "\r\n";
    f << "Fine\r\n";
    return rkt;
}

/// The words of a line joined by one space.
std::string parole(const std::string& riga) {
    std::istringstream in(riga);
    std::string p, r;
    while (in >> p)
        r += (r.empty() ? "" : " ") + p;
    return r;
}

TEST(ComandoStampa, UsoECodiciDiUscita) {
    test::CartellaTemporanea dir;
    const std::string rkt = scriviReport(dir, {"Conto 1", "r2"});
    scriviOpzioni(dir.cartella(), 10, 20);

    struct Caso {
        std::vector<std::string> args;
        int uscita;
    };
    for (const Caso& c : {Caso{{rkt, "--comandi", "--cartella", dir.cartella()}, 0}, Caso{{rkt, "--pdf", "x.pdf"}, 2},
                          Caso{{"--comandi"}, 2}, Caso{{rkt}, 2}, Caso{{rkt, "--comandi", "--pdf", "x.pdf"}, 2},
                          Caso{{rkt, "--comandi", "--boh"}, 2}, Caso{{dir.file("manca.RKT"), "--comandi"}, 2},
                          Caso{{rkt, "--cartella"}, 2}, Caso{{"--help"}, 0}}) {
        std::ostringstream out, err;
        EXPECT_EQ(comandoStampa(c.args, out, err), c.uscita) << c.args[0];
        EXPECT_EQ(err.str().empty(), c.uscita == 0) << err.str();
    }

    std::ostringstream out, err;
    const auto fabbrica = [&](const std::string& pdf) -> std::unique_ptr<Stampante> {
        EXPECT_EQ(pdf, "out.pdf");
        return std::make_unique<StampanteRegistrata>(out);
    };
    EXPECT_EQ(comandoStampa({rkt, "--pdf", "out.pdf"}, out, err, fabbrica), 0);
    EXPECT_NE(out.str().find("fine"), std::string::npos);
}

// The PDF read back: pages, the list lines on each page and the footers. A line of 20 MB prints cut
// where the landscape page ends (about 200 characters of Courier New 8 on A4), in a moment: it is
// never laid out whole.
TEST(ComandoStampa, FilePdf) {
    const FabbricaStampantePdf pdf = cli::fabbricaStampantePdf();
    if (!pdf || std::system("pdftotext -v >/dev/null 2>&1") != 0 || std::system("pdfinfo -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "stampa su PDF o poppler-utils assenti";
    test::CartellaTemporanea dir;
    const std::string lunga = scriviReport(dir, {"Conto 1", "0123456789" + std::string(20 << 20, 'x')});
    std::ostringstream out, err;
    ASSERT_EQ(comandoStampa({lunga, "--pdf", dir.file("r.pdf"), "--cartella", dir.cartella()}, out, err, pdf), 0)
        << err.str();
    std::istringstream testoLungo(test::uscitaDi("pdftotext -layout '" + dir.file("r.pdf") + "' -"));
    std::string tagliata;
    for (std::string r; std::getline(testoLungo, r);)
        if (r.find("0123456789x") != std::string::npos) tagliata = parole(r);
    EXPECT_GT(tagliata.size(), 150u);
    EXPECT_LT(tagliata.size(), 260u);

    const int L = 58; // a full page of the default length must fit the sheet
    scriviOpzioni(dir.cartella(), L, L);
    for (const int n : {0, 56, 57, 130}) {
        Righe righe; // every tenth line names an account
        for (int i = 1; i <= n; ++i)
            righe.push_back("riga " + std::to_string(i) + (i % 10 == 0 ? " Conto" : ""));
        const std::string rkt = scriviReport(dir, righe);
        for (const bool riepilogo : {false, true}) {
            SCOPED_TRACE(std::to_string(n) + " righe" + (riepilogo ? ", riepilogo" : ""));
            const std::string file = dir.file("r.pdf");
            std::vector<std::string> args = {rkt, "--pdf", file, "--cartella", dir.cartella()};
            if (riepilogo) args.push_back("--riepilogo");
            ASSERT_EQ(comandoStampa(args, out, err, pdf), 0) << err.str();

            const std::size_t perPagina = static_cast<std::size_t>(L - 2);
            const std::size_t pagine = righe.empty() ? 1 : (righe.size() + perPagina - 1) / perPagina;
            EXPECT_NE(
                test::uscitaDi("pdfinfo '" + file + "'").find("Pages:           " + std::to_string(pagine) + "\n"),
                std::string::npos);
            std::vector<Righe> attese(pagine);
            if (!riepilogo) attese[0].push_back("Elenco dei valori di TEG rilevati");
            for (std::size_t i = 0; i < righe.size(); ++i)
                attese[i / perPagina].push_back(righe[i]);
            for (std::size_t p = 0; p < pagine; ++p) {
                attese[p].push_back(std::string(p + 1 < pagine ? 95 : 94, '-'));
                attese[p].push_back("Pagina " + std::to_string(p + 1) + (p + 1 < pagine ? "" : " .....fine stampa"));
            }
            std::vector<Righe> lette(1);
            std::istringstream testo(test::uscitaDi("pdftotext -layout '" + file + "' -"));
            for (std::string r; std::getline(testo, r);) {
                for (std::size_t k = 0; k < r.size() && r[k] == '\f'; ++k)
                    lette.emplace_back();
                if (const std::string t = parole(r); !t.empty()) lette.back().push_back(t);
            }
            if (lette.back().empty()) lette.pop_back();
            EXPECT_EQ(lette, attese);
        }
    }
}

} // namespace
} // namespace vantrel
