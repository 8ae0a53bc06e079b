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

void GrigliaTassi::definisci(Schema& s) {
    static const char* const trimestri[] = {"primo", "secondo", "terzo", "quarto"};
    static const char* const classi[] = {"primo", "secondo", "terzo"};
    for (int c = 0; c < 3; ++c)
        for (int q = 0; q < 4; ++q)
            for (int u = 0; u < 2; ++u) {
                std::string quarto = trimestri[q];
                if (u && q == 3 && c == 0) quarto = "Quarto";
                auto& d = s.aggiungi(nome(u != 0, c, q), Tipo::Testo);
                d.aiuto = std::string(u ? "Tasso usura " : "Tasso medio ") + quarto +
                          " trimestre dell'anno calcolato e per la categoria di conto scelto, relativo al " +
                          classi[c] + " scaglione";
                d.solaLettura = true;
            }
}

} // namespace vantrel
