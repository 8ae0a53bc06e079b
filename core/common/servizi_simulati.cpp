#include "common/servizi_simulati.h"

#include <ctime>

namespace vantrel {

Risposta RisposteProgrammate::mostra(const Messaggio& m) {
    mostrati_.push_back(m);
    if (m.pulsanti == Pulsanti::Ok) return Risposta::Ok;
    if (coda_.empty() || !std::holds_alternative<Risposta>(coda_.front())) return Risposta::Annulla;
    const Risposta r = std::get<Risposta>(coda_.front());
    coda_.pop_front();
    return r;
}

std::optional<std::string> RisposteProgrammate::prossimoFile() {
    if (coda_.empty() || !std::holds_alternative<std::string>(coda_.front())) return std::nullopt;
    std::string p = std::get<std::string>(coda_.front());
    coda_.pop_front();
    return p;
}

std::optional<std::string> RisposteProgrammate::apri(const std::string&, const std::string&) {
    return prossimoFile();
}
std::optional<std::string> RisposteProgrammate::salva(const std::string&, const std::string&) {
    return prossimoFile();
}

Data OrologioDiSistema::oggi() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return Data{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

} // namespace vantrel
