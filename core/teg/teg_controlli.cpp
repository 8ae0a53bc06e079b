#include "teg/teg_controlli.h"

namespace vantrel {

std::string GrigliaTassi::nome(bool soglia, int classe, int trimestre) {
    static const char* const suffissi[] = {"", "b", "c"};
    return std::string(soglia ? "TU" : "TS") + std::to_string(trimestre + 1) + suffissi[classe];
}

GrigliaTassi::GrigliaTassi(const Schema& s) {
    for (int c = 0; c < 3; ++c)
        for (int q = 0; q < 4; ++q) {
            tassiMedi[c][q] = s.id(nome(false, c, q));
            soglie[c][q] = s.id(nome(true, c, q));
        }
}

} // namespace vantrel
