#include "common/format_mask.h"

#include "common/decimal_text.h"
#include "common/numbers.h"
#include "common/text.h"

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

bool mascheraTesto(std::string_view mask) { return !mask.empty() && mask.find_first_not_of('@') == std::string_view::npos; }

std::string applica(DecimaleTesto d, std::string_view mask) {
    const Maschera m = leggiMaschera(mask);
    d.arrotonda(m.decimaliMassimi);

    std::string intPart = d.parteIntera();
    if (static_cast<int>(intPart.size()) < m.interiMinimi)
        intPart.insert(0, static_cast<std::size_t>(m.interiMinimi) - intPart.size(), '0');
    if (m.raggruppa && intPart.size() > 3) {
        std::string grouped;
        const std::size_t lead = intPart.size() % 3;
        for (std::size_t i = 0; i < intPart.size(); ++i) {
            if (i > 0 && (i + 3 - lead) % 3 == 0) grouped.push_back('.');
            grouped.push_back(intPart[i]);
        }
        intPart = std::move(grouped);
    }
    std::string frac = d.parteDecimale(m.decimaliMassimi);
    while (static_cast<int>(frac.size()) > m.decimaliMinimi && frac.back() == '0') frac.pop_back();

    std::string out = d.negativo ? "-" : "";
    out += intPart;
    if (!frac.empty()) out += "," + frac;
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
