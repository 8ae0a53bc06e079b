#include "common/format_mask.h"

#include "common/decimal_text.h"
#include "common/numbers.h"
#include "common/text.h"

#include <algorithm>

namespace vantrel {
namespace {

struct Maschera {
    int interiMinimi = 0;    // "0" in the integer part
    bool raggruppa = false;  // "," in the integer part
    int decimaliMinimi = 0;  // "0" after the point
    int decimaliMassimi = 0; // "0" and "#" after the point
};

Maschera leggiMaschera(std::string_view mask) {
    Maschera m;
    bool fraction = false;
    for (char c : mask) {
        if (c == '.' && !fraction) {
            fraction = true;
        } else if (!fraction) {
            if (c == '0') ++m.interiMinimi;
            if (c == ',') m.raggruppa = true;
        } else if (c == '0') {
            ++m.decimaliMinimi;
            ++m.decimaliMassimi;
        } else if (c == '#') {
            ++m.decimaliMassimi;
        }
    }
    return m;
}

bool mascheraTesto(std::string_view mask) {
    return !mask.empty() && mask.find_first_not_of('@') == std::string_view::npos;
}

std::string applica(DecimaleTesto d, std::string_view mask) {
    const Maschera m = leggiMaschera(mask);
    d.arrotonda(m.decimaliMassimi);

    // Integer digits: those of the number, padded to the digits the mask always shows.
    const int nInt = std::max(d.esponente, 0);
    const int width = std::max(nInt, m.interiMinimi);
    std::string out;
    out.reserve(static_cast<std::size_t>(width + width / 3 + m.decimaliMassimi + 3));
    if (d.negativo) out.push_back('-');
    for (int i = 0; i < width; ++i) {
        const int pos = i - (width - nInt); // index into the number's integer digits
        if (m.raggruppa && i > 0 && (width - i) % 3 == 0) out.push_back('.');
        out.push_back(pos < 0 || pos >= static_cast<int>(d.cifre.size()) ? '0'
                                                                         : d.cifre[static_cast<std::size_t>(pos)]);
    }
    int decimali = m.decimaliMassimi;
    while (decimali > m.decimaliMinimi) { // optional decimals are dropped when zero
        const int idx = d.esponente + decimali - 1;
        if (idx >= 0 && idx < static_cast<int>(d.cifre.size()) && d.cifre[static_cast<std::size_t>(idx)] != '0') break;
        --decimali;
    }
    if (decimali > 0) {
        out.push_back(',');
        for (int i = 0; i < decimali; ++i) {
            const int idx = d.esponente + i;
            out.push_back(idx >= 0 && idx < static_cast<int>(d.cifre.size()) ? d.cifre[static_cast<std::size_t>(idx)]
                                                                             : '0');
        }
    }
    return out;
}

} // namespace

std::string formatta(double value, std::string_view mask) {
    if (mascheraTesto(mask)) return allineaDestra(testoNumero(value), mask.size());
    if (mask.empty()) return testoNumero(value);
    return applica(DecimaleTesto::daDouble(value), mask);
}

std::string formatta(float value, std::string_view mask) {
    if (mascheraTesto(mask)) return allineaDestra(testoNumero(value), mask.size());
    if (mask.empty()) return testoNumero(value);
    return applica(DecimaleTesto::daFloat(value), mask);
}

std::string formattaTesto(std::string_view text, std::string_view mask) {
    if (mascheraTesto(mask)) return allineaDestra(text, mask.size());
    if (text.empty()) return {};
    const auto v = leggiNumero(text);
    if (!v) return std::string(text);
    return formatta(*v, mask);
}

} // namespace vantrel
