#include "rates/record_tassi.h"

#include "common/file_record.h"

#include <stdexcept>

namespace vantrel {
namespace {

// The order of the 14 singles in the record, starting at offset 7.
struct Slot {
    bool medio;
    int indice;
};
constexpr std::array<Slot, 14> kOrdine = {{{true, 7},
                                           {true, 8},
                                           {true, 1},
                                           {true, 2},
                                           {true, 3},
                                           {true, 4},
                                           {true, 5},
                                           {true, 6},
                                           {false, 1},
                                           {false, 2},
                                           {false, 3},
                                           {false, 4},
                                           {false, 5},
                                           {false, 6}}};

} // namespace

std::vector<std::uint8_t> RecordTassi::codifica() const {
    std::vector<std::uint8_t> b(kLunghezza, 0);
    scriviI16(b.data(), numRec);
    scriviTestoFisso(b.data() + 2, 5, periodo);
    for (std::size_t k = 0; k < kOrdine.size(); ++k) {
        const auto& s = kOrdine[k];
        scriviF32(b.data() + 7 + 4 * k,
                  s.medio ? TM[static_cast<std::size_t>(s.indice)] : TU[static_cast<std::size_t>(s.indice)]);
    }
    for (std::size_t k = 0; k < 4; ++k)
        b[63 + k] = riserva[k];
    return b;
}

RecordTassi RecordTassi::decodifica(const std::vector<std::uint8_t>& b) {
    RecordTassi r;
    r.numRec = leggiI16(b.data());
    r.periodo = leggiTestoFisso(b.data() + 2, 5);
    for (std::size_t k = 0; k < kOrdine.size(); ++k) {
        const auto& s = kOrdine[k];
        const float v = leggiF32(b.data() + 7 + 4 * k);
        (s.medio ? r.TM[static_cast<std::size_t>(s.indice)] : r.TU[static_cast<std::size_t>(s.indice)]) = v;
    }
    for (std::size_t k = 0; k < 4; ++k)
        r.riserva[k] = b[63 + k];
    return r;
}

float& campoTasso(RecordTassi& r, const std::string& nome) {
    if (nome.size() == 3 && nome[2] >= '1') {
        const auto i = static_cast<std::size_t>(nome[2] - '0');
        if (nome.starts_with("TM") && i <= 8) return r.TM[i];
        if (nome.starts_with("TU") && i <= 6) return r.TU[i];
    }
    throw std::out_of_range("campo di tasso sconosciuto: " + nome);
}

float campoTasso(const RecordTassi& r, const std::string& nome) {
    return campoTasso(const_cast<RecordTassi&>(r), nome);
}

} // namespace vantrel
