#include "common/date.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace vantrel {
namespace {

// Days from 01/01/1970 (Howard Hinnant's civil calendar algorithms).
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Data civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long y = yoe + era * 400 + (m <= 2);
    return Data{static_cast<int>(y), m, d};
}

constexpr long kEpoch = -25569; // 30/12/1899 in kGiorniDelMese from 1970

bool readNumber(std::string_view& s, int maxDigits, int& out) {
    std::size_t n = 0;
    while (n < s.size() && n < static_cast<std::size_t>(maxDigits) && s[n] >= '0' && s[n] <= '9')
        ++n;
    if (n == 0) return false;
    std::from_chars(s.data(), s.data() + n, out);
    s.remove_prefix(n);
    return true;
}

} // namespace

long Data::numero() const {
    return daysFromCivil(anno, mese, giorno) - kEpoch;
}

Data Data::daNumero(long n) {
    return civilFromDays(n + kEpoch);
}

std::string Data::testo() const {
    if (giorno >= 0 && giorno <= 99 && mese >= 0 && mese <= 99 && anno >= 0 && anno <= 9999) {
        // The usual case, without the cost of printf.
        std::string s = "00/00/0000";
        const auto cifre = [&](std::size_t fine, int v) {
            for (std::size_t i = fine; v > 0; --i, v /= 10)
                s[i] = static_cast<char>('0' + v % 10);
        };
        cifre(1, giorno);
        cifre(4, mese);
        cifre(9, anno);
        return s;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", giorno, mese, anno);
    return buf;
}

bool bisestile(int anno) {
    return anno % 4 == 0 && !(anno % 100 == 0 && anno % 400 != 0);
}

int giorniNelMese(int anno, int mese) {
    static constexpr int kGiorniDelMese[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mese == 2 && bisestile(anno) ? 29 : kGiorniDelMese[mese - 1];
}

std::optional<Data> leggiData(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    Data d;
    const auto sep = [&](char& used) {
        if (text.empty() || (text.front() != '/' && text.front() != '-' && text.front() != '.')) return false;
        if (used != 0 && text.front() != used) return false;
        used = text.front();
        text.remove_prefix(1);
        return true;
    };
    char used = 0;
    if (!readNumber(text, 2, d.giorno) || !sep(used) || !readNumber(text, 2, d.mese) || !sep(used)) return std::nullopt;
    const std::size_t yearDigits = text.size();
    if (yearDigits != 4 || !readNumber(text, 4, d.anno) || !text.empty()) return std::nullopt;
    if (d.anno < 100 || d.mese < 1 || d.mese > 12 || d.giorno < 1 || d.giorno > giorniNelMese(d.anno, d.mese))
        return std::nullopt;
    return d;
}

Data aggiungiMesi(const Data& d, int mesi) {
    const long total = static_cast<long>(d.anno) * 12 + (d.mese - 1) + mesi;
    Data r;
    r.anno = static_cast<int>(total / 12);
    r.mese = static_cast<int>(total % 12) + 1;
    r.giorno = std::min(d.giorno, giorniNelMese(r.anno, r.mese));
    return r;
}

Data aggiungiGiorni(const Data& d, long giorni) {
    return Data::daNumero(d.numero() + giorni);
}

std::string chiavePeriodo(int trimestre, int anno) {
    return std::to_string(trimestre) + std::to_string(anno);
}

} // namespace vantrel
