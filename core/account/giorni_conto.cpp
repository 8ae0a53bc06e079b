#include "account/giorni_conto.h"

#include <algorithm>

namespace vantrel {

GiorniConto::GiorniConto(ParoleAddebiti parole) : parole_(std::move(parole)) {}

void GiorniConto::aggiungi(const Movimento& m) {
    aggiungi(m.operazione, m.valuta, m.importo, parole_.tipo(m.descrizione));
}

void GiorniConto::aggiungi(const Data& operazione, const Data& valuta, Centesimi importo, TipoAddebito tipo) {
    const long v = valuta.numero(), o = operazione.numero();
    // Both days first: growing the table for the second must not leave the first reference dangling.
    posto(v);
    posto(o);
    primoUsato_ = std::min(primoUsato_, v);
    ultimoUsato_ = std::max(ultimoUsato_, v);
    if (tipo == TipoAddebito::Nessuno) {
        posto(v).movimenti += importo;
        ++posto(o).operazioni;
    } else {
        posto(v).banca[static_cast<std::size_t>(tipo) - 1] += importo;
    }
    ++contati_;
}

const GiorniConto::Giorno& GiorniConto::giorno(long n) const {
    static const Giorno kVuoto;
    if (n < primo_ || n >= primo_ + static_cast<long>(giorni_.size())) return kVuoto;
    return giorni_[static_cast<std::size_t>(n - primo_)];
}

GiorniConto::Giorno& GiorniConto::posto(long n) {
    if (giorni_.empty()) {
        primo_ = primoUsato_ = ultimoUsato_ = n;
        giorni_.resize(1);
    }
    if (n < primo_) {
        // A day before the first: room for a year more before it, so that a file read backwards
        // moves the table once a year, not once a day.
        const long nuovoPrimo = std::min(n, primo_) - 366;
        giorni_.insert(giorni_.begin(), static_cast<std::size_t>(primo_ - nuovoPrimo), Giorno{});
        primo_ = nuovoPrimo;
    } else if (n >= primo_ + static_cast<long>(giorni_.size())) {
        giorni_.resize(static_cast<std::size_t>(n - primo_ + 1));
    }
    return giorni_[static_cast<std::size_t>(n - primo_)];
}

} // namespace vantrel
