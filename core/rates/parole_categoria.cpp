#include "rates/parole_categoria.h"

#include <algorithm>
#include <array>

namespace vantrel {
namespace {

// Latin-1 letters with accents (U+00C0..U+00FF) to their plain lower-case letter; 0 for the others.
constexpr char kSenzaAccenti[] = "aaaaaaaceeeeiiii"
                                 "dnooooo\0ouuuuy\0s"
                                 "aaaaaaaceeeeiiii"
                                 "dnooooo\0ouuuuy\0y";
static_assert(sizeof kSenzaAccenti == 65);

constexpr std::array<std::string_view, 40> kParoleVuote = {
    "a",    "ad",    "ai",    "al",    "all", "alla", "alle", "agli",  "allo",  "con", "d",     "da",    "dai", "dal",
    "dall", "dalla", "dalle", "dagli", "di",  "del",  "dell", "della", "delle", "dei", "degli", "dello", "e",   "ed",
    "il",   "in",    "l",     "la",    "le",  "lo",   "gli",  "i",     "o",     "per", "su",    "un"};

std::string radice(std::string parola) {
    while (parola.size() > 3 && std::string_view("aeiou").find(parola.back()) != std::string_view::npos)
        parola.pop_back();
    return parola;
}

} // namespace

std::vector<std::string> radiciParole(std::string_view s, bool conNote) {
    std::vector<std::string> out;
    std::string parola;
    int parentesi = 0;
    const auto chiudi = [&] {
        if (!parola.empty() && (conNote || parentesi == 0) &&
            std::find(kParoleVuote.begin(), kParoleVuote.end(), parola) == kParoleVuote.end())
            out.push_back(radice(std::move(parola)));
        parola.clear();
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        char lettera = 0;
        if ((b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) {
            lettera = static_cast<char>(b);
        } else if (b >= 'A' && b <= 'Z') {
            lettera = static_cast<char>(b - 'A' + 'a');
        } else if (b == 0xC3 && i + 1 < s.size()) { // two-byte UTF-8 of U+00C0..U+00FF
            const auto c = static_cast<unsigned char>(s[i + 1]);
            if (c >= 0x80 && c <= 0xBF) {
                lettera = kSenzaAccenti[c - 0x80];
                ++i;
            }
        } else if (b >= 0x80) {
            while (i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) // other characters
                ++i;
        }
        if (lettera != 0) {
            parola += lettera;
            continue;
        }
        chiudi();
        if (b == '(') ++parentesi;
        if (b == ')' && parentesi > 0) --parentesi;
    }
    chiudi();
    return out;
}

int scartoParole(const std::vector<std::string>& cercate, const std::vector<std::string>& nome) {
    if (cercate.empty()) return -1;
    std::vector<bool> usata(nome.size(), false);
    for (const std::string& c : cercate) {
        bool trovata = false;
        for (std::size_t i = 0; i < nome.size(); ++i)
            if (nome[i].starts_with(c)) {
                trovata = true;
                usata[i] = true;
            }
        if (!trovata) return -1;
    }
    return static_cast<int>(std::count(usata.begin(), usata.end(), false));
}

} // namespace vantrel
