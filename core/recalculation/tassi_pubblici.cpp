#include "recalculation/tassi_pubblici.h"

#include "common/file_esiste.h"
#include "common/righe_csv.h"
#include "common/testo.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace vantrel {
namespace {

using Riga = std::map<std::string, std::string>;

// The rows of a file by the names of its header.
std::vector<Riga> righe(std::istream& in) {
    RigheCsv csv(in);
    std::vector<CellaFoglio> celle;
    std::vector<std::string> nomi;
    std::vector<Riga> out;
    for (int n = 0; csv.prossima(celle, n);) {
        if (nomi.empty()) {
            for (const auto& c : celle)
                nomi.push_back(std::string(trim(c.testo)));
            continue;
        }
        Riga& r = out.emplace_back();
        for (std::size_t i = 0; i < nomi.size() && i < celle.size(); ++i)
            r[nomi[i]] = std::string(trim(celle[i].testo));
    }
    return out;
}

// A rate with its sign: the yields of 2015-2022 are negative.
std::optional<TassoDecimale> tassoConSegno(const std::string& t) {
    if (t.starts_with('-')) {
        const auto v = leggiTassoDecimale(t.substr(1));
        return v ? std::optional(-*v) : std::nullopt;
    }
    return leggiTassoDecimale(t);
}

std::string leggiLegale(std::istream& in, std::vector<TassoLegale>& out) {
    int n = 1;
    for (const Riga& r : righe(in)) {
        ++n;
        const auto dal = leggiData(r.count("dal") ? r.at("dal") : ""), al = leggiData(r.count("al") ? r.at("al") : "");
        const auto tasso = leggiTassoDecimale(r.count("tasso") ? r.at("tasso") : "");
        if (!dal || !al || !tasso || *al < *dal || (!out.empty() && !(out.back().al < *dal))) {
            out.clear();
            return std::string(kFileTassoLegale) + ", riga " + std::to_string(n) + ": date o tasso non validi";
        }
        out.push_back({*dal, *al, *tasso, r.count("atto") ? r.at("atto") : ""});
    }
    return {};
}

std::string leggiAste(std::istream& in, std::vector<AstaBot>& out) {
    int n = 1;
    for (const Riga& r : righe(in)) {
        ++n;
        const auto giorno = leggiData(r.count("data_asta") ? r.at("data_asta") : "");
        const auto rendimento =
            tassoConSegno(r.count("rendimento_medio_ponderato") ? r.at("rendimento_medio_ponderato") : "");
        if (!giorno || !rendimento || (!out.empty() && *giorno < out.back().giorno)) {
            out.clear();
            return std::string(kFileAsteBot) + ", riga " + std::to_string(n) + ": data o rendimento non validi";
        }
        out.push_back({*giorno, *rendimento, !r.count("nota") || r.at("nota").empty()});
    }
    return {};
}

Data primoDelMese(const Data& d) {
    return {d.anno, d.mese, 1};
}

Data ultimoDelMese(const Data& d) {
    return {d.anno, d.mese, giorniNelMese(d.anno, d.mese)};
}

} // namespace

std::optional<TassoDecimale> TassiPubblici::tassoLegale(const Data& d) const {
    for (const auto& t : legale)
        if (t.dal <= d && d <= t.al) return t.tasso;
    return std::nullopt;
}

std::optional<TassiBot> TassiPubblici::bot(const Data& d) const {
    if (aste.empty()) return std::nullopt;
    const Data da = aggiungiMesi(d, -12), a = aggiungiGiorni(d, -1);
    if (da < primoDelMese(aste.front().giorno) || ultimoDelMese(aste.back().giorno) < a) return std::nullopt;
    TassiBot t;
    for (const AstaBot& x : aste) {
        if (x.giorno < da || a < x.giorno || !x.ordinaria) continue;
        t.minimo = t.aste == 0 ? x.rendimento : std::min(t.minimo, x.rendimento);
        t.massimo = t.aste == 0 ? x.rendimento : std::max(t.massimo, x.rendimento);
        ++t.aste;
    }
    if (t.aste == 0) return std::nullopt;
    return t;
}

std::string TassiPubblici::versione() const {
    std::string v =
        legale.empty() ? "tasso legale non disponibile" : "tasso legale fino al " + legale.back().al.testo();
    v += aste.empty() ? "; aste BOT non disponibili"
                      : "; aste BOT dal " + aste.front().giorno.testo() + " al " + aste.back().giorno.testo();
    return v;
}

TassiPubblici leggiTassiPubblici(std::istream* legale, std::istream* aste) {
    TassiPubblici t;
    if (legale) t.errore = leggiLegale(*legale, t.legale);
    if (aste) {
        const std::string e = leggiAste(*aste, t.aste);
        if (t.errore.empty()) t.errore = e;
    }
    return t;
}

std::string VerificaTassiPubblici::verifica(std::string_view file, const std::string& testo) const {
    std::istringstream in(testo);
    const bool legale = file == kFileTassoLegale;
    if (!legale && file != kFileAsteBot) return std::string(file) + ": non è un file dei tassi pubblici";
    const TassiPubblici t = legale ? leggiTassiPubblici(&in, nullptr) : leggiTassiPubblici(nullptr, &in);
    if (!t.errore.empty()) return t.errore;
    if (legale ? t.legale.empty() : t.aste.empty()) return std::string(file) + ": il file non contiene righe";
    return {};
}

TassiPubblici leggiTassiPubblici(const std::string& cartella) {
    std::ifstream legale(percorso(cartella, kFileTassoLegale), std::ios::binary);
    std::ifstream aste(percorso(cartella, kFileAsteBot), std::ios::binary);
    return leggiTassiPubblici(legale ? &legale : nullptr, aste ? &aste : nullptr);
}

} // namespace vantrel
