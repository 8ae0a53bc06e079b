#include "common/maschera_formato.h"

#include "common/numeri.h"
#include "common/testo.h"
#include "common/testo_decimale.h"

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
    const int nCifre = static_cast<int>(d.cifre.size());
    // The digit `idx` places after the first of the number's digits; zeros around them.
    const auto cifra = [&](int idx) { return idx >= 0 && idx < nCifre ? d.cifre[static_cast<std::size_t>(idx)] : '0'; };

    // Integer digits: those of the number, padded to the digits the mask always shows.
    const int nInt = std::max(d.esponente, 0);
    const int width = std::max(nInt, m.interiMinimi);
    int decimali = m.decimaliMassimi;
    while (decimali > m.decimaliMinimi && cifra(d.esponente + decimali - 1) == '0') // optional decimals go when zero
        --decimali;

    const int punti = m.raggruppa && width > 0 ? (width - 1) / 3 : 0;
    std::string out(static_cast<std::size_t>((d.negativo ? 1 : 0) + width + punti + (decimali > 0 ? decimali + 1 : 0)),
                    '0');
    char* p = out.data();
    if (d.negativo) *p++ = '-';
    for (int i = 0; i < width; ++i) {
        if (m.raggruppa && i > 0 && (width - i) % 3 == 0) *p++ = '.';
        *p++ = cifra(d.esponente - width + i);
    }
    if (decimali > 0) {
        *p++ = ',';
        for (int i = 0; i < decimali; ++i)
            *p++ = cifra(d.esponente + i);
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
