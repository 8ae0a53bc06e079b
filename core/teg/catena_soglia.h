#pragma once

#include "common/date.h"
#include "rates/norma_soglia.h"

#include <string>
#include <vector>

namespace vantrel {

/// How the threshold of the last calculation was reached: the quarter, category and class, the
/// averages read from the rate table, the rule and its figures, and the threshold used.
struct CatenaSoglia {
    bool calcolata = false;
    int trimestre = 0, anno = 0;
    std::string categoria;
    std::string accordato;          // the text of Acc
    int classe = 0;                 // 1 to 3
    std::string classeTesto;        // "fino a 50.000 euro"
    int classi = 0;                 // classes of the category in the grid (2 or 3)
    std::vector<std::string> medie; // the grid's averages of the quarter, class by class
    bool trovato = false;           // the quarter is in the rate table
    Norma norma = Norma::Vecchia;
    bool perData = false;                                              // the rule follows the date ("secondo la data")
    bool aCavallo = false;                                             // the period spans 14/05/2011
    std::string soglia;                                                // the threshold as the field shows it
    std::string categoriaUfficiale, classeUfficiale, sogliaPubblicata; // from the official series, when it has them
    std::string giorniAnno;                                            // the days of the year x 100 used ("36600")
    bool sempre365 = false;                                            // the settings ask for 36.500 always
};

/// A line of the audit block: a label and its value; a long value goes on under the first line,
/// broken at blanks.
void voce(std::vector<std::string>& r, const std::string& etichetta, std::string valore);

/// The note shown when a period spans the change of rule and the old one is kept.
std::string avvisoACavallo(const Data& inizio, const std::string& fine);

/// The audit lines of the summary, after its own lines; `fonte` says where the rates came from.
std::vector<std::string> righeCatenaSoglia(const CatenaSoglia& c, const std::string& fonte);

} // namespace vantrel
