#include "common/stampante_registrata.h"
#include "reports/stampa_report.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Righe = std::vector<std::string>;

/// What a print put on paper, read back from the recorded operations.
struct Carta {
    std::vector<Righe> pagine; // printed lines of each page, empty lines as ""
    Righe operazioni;
};

// A print of the list lines R1...Rn with L lines to a page.
Carta registra(bool testo, int n, int L) {
    Righe righe;
    for (int i = 1; i <= n; ++i)
        righe.push_back("R" + std::to_string(i));
    std::ostringstream out;
    StampanteRegistrata s(out);
    testo ? stampaTestoFinestra(s, righe, L) : stampaListaRisultati(s, righe, L);
    Carta c;
    c.pagine.emplace_back();
    std::istringstream in(out.str());
    for (std::string op; std::getline(in, op);) {
        c.operazioni.push_back(op);
        if (op == "nuova pagina")
            c.pagine.emplace_back();
        else if (op == "vuota")
            c.pagine.back().push_back("");
        else if (op.rfind("riga ", 0) == 0)
            c.pagine.back().push_back(op.substr(5));
    }
    return c;
}

/// Empty lines printed after the last list line, before the closing footer.
int vuoteFinali(const Righe& operazioni) {
    auto k = std::find(operazioni.rbegin(), operazioni.rend(), "dimensione 8");
    int n = 0;
    while (++k != operazioni.rend() && *k == "vuota")
        ++n;
    return n;
}

const std::string kChiusura = std::string(11, ' ') + std::string(94, '-');

TEST(Stampa, PagineERigheDiChiusura) {
    const struct {
        int n, L;
        std::vector<int> perPagina; // list lines on each page
        int vuote;
    } casi[] = {
        {58, 60, {58}, 0},
        {59, 60, {58, 1}, 57},
        {130, 60, {58, 58, 14}, 44},
        {1, 10, {1}, 7},
        {58, 10, {8, 8, 8, 8, 8, 8, 8, 2}, 6},
        {130, 2, {0, 130}, 0},
        {1, 0, {1}, 0},
    };
    for (const bool testo : {false, true}) {
        for (const auto& c : casi) {
            SCOPED_TRACE((testo ? "testo " : "risultati ") + std::to_string(c.n) + " righe, L=" + std::to_string(c.L));
            const Carta carta = registra(testo, c.n, c.L);
            const std::string rientro(testo ? 11 : 7, ' ');
            ASSERT_EQ(carta.pagine.size(), c.perPagina.size());
            for (std::size_t p = 0; p < c.perPagina.size(); ++p) {
                const Righe& pg = carta.pagine[p];
                EXPECT_EQ(
                    std::count_if(pg.begin(), pg.end(), [&](const auto& r) { return r.starts_with(rientro + "R"); }),
                    c.perPagina[p])
                    << "pagina " << p + 1;
                if (p + 1 < c.perPagina.size()) {
                    ASSERT_GE(pg.size(), 3u);
                    EXPECT_EQ(pg[pg.size() - 3], std::string(11, ' ') + std::string(95, '-'));
                    EXPECT_EQ(pg[pg.size() - 2], "");
                    EXPECT_EQ(pg.back(), std::string(53, ' ') + "Pagina  " + std::to_string(p + 1) + " ");
                }
            }
            const Righe& ultima = carta.pagine.back();
            EXPECT_EQ(vuoteFinali(carta.operazioni), c.vuote);
            EXPECT_EQ(ultima[ultima.size() - 3], kChiusura);
            EXPECT_EQ(ultima.back(), std::string(49, ' ') + "Pagina  " + std::to_string(c.perPagina.size()) + " " +
                                         std::string(17, ' ') + ".....fine stampa");
            EXPECT_EQ(carta.operazioni.back(), "fine");
        }
    }
}

} // namespace
} // namespace vantrel
