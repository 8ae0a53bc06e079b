#include "common/righe_csv.h"

#include "common/testo.h"
#include "common/testo_confronto.h"

#include <algorithm>
#include <array>
#include <istream>

namespace vantrel {
namespace {

constexpr std::size_t kPezzo = 1 << 16;

} // namespace

RigheCsv::RigheCsv(std::istream& in) : in_(in) {
    while (buf_.size() < kPezzo && ricarica()) {
    }
    if (buf_.starts_with("\xFF\xFE") || buf_.starts_with("\xFE\xFF")) {
        errore_ = "il file è in UTF-16: salvarlo come CSV in UTF-8 o Windows-1252";
        return;
    }
    if (buf_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    separatore_ = scegliSeparatore();
}

bool RigheCsv::ricarica() {
    if (finito_) return false;
    const std::size_t prima = buf_.size();
    buf_.resize(prima + kPezzo);
    in_.read(buf_.data() + prima, static_cast<std::streamsize>(kPezzo));
    buf_.resize(prima + static_cast<std::size_t>(in_.gcount()));
    if (buf_.size() == prima) finito_ = true;
    return !finito_;
}

// The end of the record at pos_ (quotes respected) and where the next one starts, reading more of the
// stream as needed; false for a quote never closed.
bool RigheCsv::fineRecord(std::size_t& fine, std::size_t& dopo) {
    bool virgolette = false;
    for (std::size_t i = pos_;; ++i) {
        if (i >= buf_.size() && !ricarica()) {
            fine = dopo = buf_.size();
            return !virgolette;
        }
        const char c = buf_[i];
        if (c == '"') virgolette = !virgolette;
        if (virgolette || (c != '\r' && c != '\n')) continue;
        fine = i;
        if (c == '\r' && i + 1 >= buf_.size()) ricarica();
        dopo = c == '\r' && i + 1 < buf_.size() && buf_[i + 1] == '\n' ? i + 2 : i + 1;
        return true;
    }
}

// The separator of the first thirty rows of the first piece: for each candidate, the number of times
// a row uses it outside quotes; the one that most rows use the same number of times wins, weighed by
// that number, so that decimal commas in a ";" file (one a row) do not outvote the separator.
char RigheCsv::scegliSeparatore() {
    static constexpr std::array<char, 3> kCandidati = {';', ',', '\t'};
    std::array<std::vector<int>, 3> conte;
    std::array<int, 3> conta{};
    bool virgolette = false;
    for (std::size_t i = pos_; i < buf_.size() && conte[0].size() < 30; ++i) {
        const char c = buf_[i];
        if (c == '"') virgolette = !virgolette;
        if (virgolette) continue;
        for (std::size_t k = 0; k < kCandidati.size(); ++k)
            conta[k] += c == kCandidati[k];
        if (c == '\n' || i + 1 == buf_.size()) {
            for (std::size_t k = 0; k < kCandidati.size(); ++k)
                conte[k].push_back(conta[k]);
            conta = {};
        }
    }
    std::size_t scelto = 0;
    long migliore = 0;
    for (std::size_t k = 0; k < kCandidati.size(); ++k)
        for (int n : conte[k]) {
            const long punti = n * std::count(conte[k].begin(), conte[k].end(), n);
            if (punti > migliore) migliore = punti, scelto = k;
        }
    return kCandidati[scelto];
}

void RigheCsv::dividi(std::string_view r, std::vector<CellaFoglio>& celle) const {
    for (std::size_t i = 0;;) {
        std::string& c = celle.emplace_back().testo;
        if (i < r.size() && r[i] == '"') leggiCellaVirgolettata(r, i, c); // closed: the record was checked
        const std::size_t fine = std::min(r.find(separatore_, i), r.size());
        c.append(r, i, fine - i);
        if (fine == r.size()) return;
        i = fine + 1;
    }
}

bool RigheCsv::prossima(std::vector<CellaFoglio>& celle, int& riga) {
    celle.clear();
    if (!errore_.empty()) return false;
    if (pos_ > kPezzo) { // what was read before is no longer needed
        buf_.erase(0, pos_);
        pos_ = 0;
    }
    if (pos_ >= buf_.size() && !ricarica()) return false;
    riga = ++riga_;
    std::size_t fine = 0, dopo = 0;
    if (!fineRecord(fine, dopo)) {
        errore_ = "riga " + std::to_string(riga) + ": le virgolette aperte non sono chiuse";
        return false;
    }
    const std::string_view grezzo(buf_.data() + pos_, fine - pos_);
    if (utf8Valido(grezzo)) {
        dividi(grezzo, celle);
    } else {
        std::string testo;
        testoInUtf8(grezzo, testo);
        dividi(testo, celle);
    }
    pos_ = dopo;
    return true;
}

} // namespace vantrel
