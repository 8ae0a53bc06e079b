#pragma once

#include "common/servizi.h"

#include <cstdint>
#include <string>

namespace vantrel {

/// A column read as an integer (0 for NULL or a text), as a text (empty for NULL), as a date.
inline std::int64_t intero(const IstruzioneSql& q, int i) {
    const ValoreSql v = q.colonna(i);
    if (const auto* n = std::get_if<std::int64_t>(&v)) return *n;
    if (const auto* d = std::get_if<double>(&v)) return static_cast<std::int64_t>(*d);
    return 0;
}

inline std::string testo(const IstruzioneSql& q, int i) {
    ValoreSql v = q.colonna(i);
    if (auto* t = std::get_if<std::string>(&v)) return std::move(*t);
    if (const auto* n = std::get_if<std::int64_t>(&v)) return std::to_string(*n);
    return {};
}

inline Data data(const IstruzioneSql& q, int i) {
    return Data::daNumero(static_cast<long>(intero(q, i)));
}

/// A date as the case file keeps it.
inline ValoreSql valore(const Data& d) {
    return static_cast<std::int64_t>(d.numero());
}

} // namespace vantrel
