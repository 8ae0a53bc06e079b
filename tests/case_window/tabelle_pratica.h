#pragma once

// What the case window's tests read back from its tables: a column, and the scalare against a worked
// example of tools/scalare_atteso.py.
#include "case_window/finestra_pratica.h"
#include "common/testo_confronto.h"
#include "support/righe_attese.h"

#include <gtest/gtest.h>

namespace vantrel::test {

/// The cells of column `c`, from the first row down, joined by "|".
inline std::string colonna(TabellaCelle& t, std::size_t c) {
    std::string s;
    for (std::size_t r = 0; r < t.righe(); ++r)
        s += (r ? "|" : "") + t.cella(r, c);
    return s;
}

/// The scalare's two periods against the figures of `attesi` (a file of tests/data), each figure
/// under the heading that names it.
inline void scalareComeAtteso(TabellaCelle& t, const std::string& attesi) {
    std::map<std::string, std::size_t> colonne;
    for (std::size_t c = 0; c < t.colonne(); ++c) {
        std::string h = minuscoleSenzaAccenti(t.intestazione(c));
        std::erase(h, ':');
        colonne[h] = c;
    }
    const auto righe = righeFile(attesi);
    ASSERT_EQ(righe.size(), 2u);
    std::size_t confrontate = 0;
    for (std::size_t p = 0; p < righe.size(); ++p)
        for (const auto& [nome, valore] : righe[p])
            if (const auto it = colonne.find(nome); it != colonne.end()) {
                EXPECT_EQ(t.cella(p, it->second), valore) << nome << ", periodo " << p + 1;
                ++confrontate;
            }
    EXPECT_GE(confrontate, 2u * 26);
}

} // namespace vantrel::test
