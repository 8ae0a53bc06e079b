#include "common/cartella_lavoro.h"

#include "common/date.h"
#include "common/maschera_formato.h"
#include "common/numeri.h"

#include <cmath>

namespace vantrel {
namespace {

void rigaCsv(std::string& out, const std::vector<Cella>& celle) {
    for (std::size_t c = 0; c < celle.size(); ++c) {
        if (c) out += ';';
        accodaCampoCsv(out, testoCella(celle[c]));
    }
    out += "\r\n";
}

} // namespace

void accodaCampoCsv(std::string& out, std::string_view s) {
    if (s.find_first_of(";\"\r\n") == std::string_view::npos) {
        out += s;
        return;
    }
    out += '"';
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

Cella Cella::diTesto(std::string t) {
    return {Tipo::Testo, std::move(t), 0, Formato::Generale};
}

Cella Cella::diNumero(double v, Formato f) {
    return {Tipo::Numero, {}, v, f};
}

Cella Cella::daCampo(const std::string& testoCampo, Formato f) {
    const auto v = leggiNumero(testoCampo);
    return v ? diNumero(*v, f) : Cella{};
}

Cella Cella::diFormula(std::string formula, double valore, Formato f) {
    return {Tipo::Formula, std::move(formula), valore, f};
}

std::string testoCella(const Cella& c) {
    if (c.tipo == Cella::Tipo::Vuota) return {};
    if (c.tipo == Cella::Tipo::Testo) return c.testo;
    switch (c.formato) {
    case Formato::Importo:
        return formatta(c.numero, "###,###,###,##0.00");
    case Formato::Tasso:
        return formatta(c.numero, "##0.000");
    case Formato::Intero:
        return formatta(c.numero, "#0");
    case Formato::Data:
        return Data::daNumero(std::lround(c.numero)).testo();
    default:
        return testoNumero(c.numero);
    }
}

std::string csvFoglio(const Foglio& f) {
    std::string out = "\xEF\xBB\xBF";
    std::vector<Cella> titoli;
    for (const auto& c : f.colonne)
        titoli.push_back(Cella::diTesto(c.titolo));
    rigaCsv(out, titoli);
    for (const auto& r : f.righe)
        rigaCsv(out, r);
    if (!f.totali.empty()) out += "\r\n";
    for (const auto& r : f.totali)
        rigaCsv(out, r);
    return out;
}

std::string nomeColonnaFoglio(std::size_t c) {
    std::string s;
    for (std::size_t n = c + 1; n > 0; n = (n - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (n - 1) % 26));
    return s;
}

std::string nomeCella(std::size_t colonna, std::size_t riga) {
    return nomeColonnaFoglio(colonna) + std::to_string(riga + 1);
}

} // namespace vantrel
