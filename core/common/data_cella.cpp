#include "common/data_cella.h"

#include "common/testo.h"

#include <string>

namespace vantrel {
namespace {

bool soloCifre(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// "2026-03-15": four digits, two, two.
std::optional<Data> annoPrima(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
    const std::string_view a = s.substr(0, 4), m = s.substr(5, 2), g = s.substr(8, 2);
    if (!soloCifre(a) || !soloCifre(m) || !soloCifre(g)) return std::nullopt;
    return leggiData(std::string(g) + "/" + std::string(m) + "/" + std::string(a));
}

} // namespace

std::optional<Data> leggiDataCella(std::string_view s) {
    s = trim(s);
    // A time after the date, after a blank or the "T" of a year-first date: digits, colons and dots.
    auto sp = s.find(' ');
    if (sp == std::string_view::npos && s.size() > 10 && s[10] == 'T') sp = 10;
    if (sp != std::string_view::npos) {
        const std::string_view ora = trim(s.substr(sp + 1));
        if (ora.find_first_not_of("0123456789:.") == std::string_view::npos) s = s.substr(0, sp);
    }
    if (auto d = annoPrima(s)) return d;
    if (auto d = leggiData(s)) return d;
    const auto sep = s.find_last_of("/-.");
    if (sep == std::string_view::npos || s.size() - sep != 3 || !soloCifre(s.substr(sep + 1))) return std::nullopt;
    const std::string_view aa = s.substr(sep + 1);
    return leggiData(std::string(s.substr(0, sep + 1)) + (aa < "30" ? "20" : "19") + std::string(aa));
}

} // namespace vantrel
