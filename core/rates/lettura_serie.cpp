#include "rates/lettura_serie.h"

#include "common/cp1252.h"
#include "common/servizi.h"
#include "common/testo.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <unordered_set>

namespace vantrel {
namespace {

constexpr std::uintmax_t kMassimoFile = 64u << 20;

enum Colonna { Inizio, Fine, Categoria, Classe, Tegm, Soglia, Fonte, kColonne };
constexpr std::array<std::string_view, kColonne> kNomi = {"inizio", "fine",   "categoria", "classe",
                                                          "tegm",   "soglia", "fonte"};
constexpr std::array<std::string_view, kColonne> kIntestazioni = {"INIZIO", "FINE",   "CATEGORIA", "CLASSE",
                                                                  "TEGM",   "SOGLIA", "FONTE"};

bool utf8Valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size() || (n == 2 && b < 0xC2)) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

std::string_view senzaSpazi(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

/// Splits the text into records of fields, with quotes ("" inside quotes is one quote; a quoted
/// field may hold the separator and line ends).
class Scomposizione {
public:
    Scomposizione(std::string_view testo, char separatore) : t_(testo), sep_(separatore) {}

    bool fine() const { return pos_ >= t_.size(); }
    int riga() const { return rigaInizio_; }

    /// The next record; false with `errore` set when a quote is left open or followed by text.
    bool prossimo(std::vector<std::string>& campi, ErroreSerie& errore) {
        campi.clear();
        rigaInizio_ = riga_;
        while (true) {
            std::string& campo = campi.emplace_back();
            const int colonna = static_cast<int>(campi.size());
            if (pos_ < t_.size() && t_[pos_] == '"') {
                const int rigaApertura = riga_;
                ++pos_;
                while (true) {
                    if (pos_ >= t_.size()) {
                        errore = {rigaApertura, colonna, "virgolette aperte e mai chiuse"};
                        return false;
                    }
                    const char c = t_[pos_++];
                    if (c == '"') {
                        if (pos_ < t_.size() && t_[pos_] == '"') {
                            campo += '"';
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') ++riga_;
                    campo += c;
                }
                const std::size_t dopo = t_.find_first_not_of(" \t", pos_);
                pos_ = dopo == std::string_view::npos ? t_.size() : dopo;
                if (pos_ < t_.size() && t_[pos_] != sep_ && t_[pos_] != '\r' && t_[pos_] != '\n') {
                    errore = {riga_, colonna, "testo dopo le virgolette di chiusura"};
                    return false;
                }
            } else {
                const std::size_t inizio = pos_;
                while (pos_ < t_.size() && t_[pos_] != sep_ && t_[pos_] != '\r' && t_[pos_] != '\n')
                    ++pos_;
                campo.assign(t_.substr(inizio, pos_ - inizio));
            }
            if (pos_ < t_.size() && t_[pos_] == sep_) {
                ++pos_;
                continue;
            }
            // End of the line: "\r\n", "\n" or "\r".
            if (pos_ < t_.size() && t_[pos_] == '\r') ++pos_;
            if (pos_ < t_.size() && t_[pos_] == '\n') ++pos_;
            ++riga_;
            return true;
        }
    }

private:
    std::string_view t_;
    char sep_;
    std::size_t pos_ = 0;
    int riga_ = 1;
    int rigaInizio_ = 1;
};

char separatore(std::string_view testo) {
    bool virgolette = false;
    int puntiVirgola = 0;
    int virgole = 0;
    int tab = 0;
    for (const char c : testo) {
        if (c == '"') virgolette = !virgolette;
        if (virgolette) continue;
        if (c == '\n' || c == '\r') break;
        puntiVirgola += c == ';';
        virgole += c == ',';
        tab += c == '\t';
    }
    return puntiVirgola > 0 ? ';' : virgole > 0 ? ',' : tab > 0 ? '\t' : 0;
}

std::optional<Data> leggiDataSerie(std::string_view s) {
    s = senzaSpazi(s);
    if (s.size() == 10 && s[4] == '-' && s[7] == '-') // yyyy-mm-dd
        return leggiData(std::string(s.substr(8, 2)) + "/" + std::string(s.substr(5, 2)) + "/" +
                         std::string(s.substr(0, 4)));
    if (s.size() < 8) return std::nullopt; // day and month need their two digits or a separator each
    return leggiData(s);
}

std::string minuscole(std::string_view s) {
    std::string out(senzaSpazi(s));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string tra(const char* a, std::string_view s) {
    return a + citazione(s);
}

} // namespace

std::string ErroreSerie::messaggio() const {
    std::string s;
    if (riga > 0) s = "riga " + std::to_string(riga);
    if (riga > 0 && colonna > 0) s += ", colonna " + std::to_string(colonna);
    return s.empty() ? testo : s + ": " + testo;
}

namespace {

using Indici = std::array<int, kColonne>;

// The text in UTF-8 from UTF-8 (with or without its mark) or Windows-1252; nothing for UTF-16 or an
// empty file.
std::optional<std::string> testoDellaSerie(std::string_view contenuto, ErroreSerie& errore) {
    if (contenuto.starts_with("\xEF\xBB\xBF")) return std::string(contenuto.substr(3));
    if (contenuto.starts_with("\xFF\xFE") || contenuto.starts_with("\xFE\xFF")) {
        errore = {0, 0, "il file è in UTF-16: salvarlo come CSV in UTF-8 o Windows-1252"};
        return std::nullopt;
    }
    std::string testo = utf8Valido(contenuto) ? std::string(contenuto) : daCp1252AUtf8(contenuto);
    if (senzaSpazi(testo).find_first_not_of("\r\n") == std::string_view::npos) {
        errore = {0, 0, "il file è vuoto"};
        return std::nullopt;
    }
    return testo;
}

// Where each column is in the header (-1: absent); nothing when one is repeated or a needed one missing.
std::optional<Indici> indiciColonne(const std::vector<std::string>& campi, ErroreSerie& errore) {
    Indici indice;
    indice.fill(-1);
    for (std::size_t c = 0; c < campi.size(); ++c) {
        const std::string nome = minuscole(campi[c]);
        for (std::size_t k = 0; k < kColonne; ++k)
            if (nome == kNomi[k]) {
                if (indice[k] >= 0) {
                    errore = {1, static_cast<int>(c) + 1, tra("colonna ripetuta ", campi[c])};
                    return std::nullopt;
                }
                indice[k] = static_cast<int>(c);
            }
    }
    for (std::size_t k = 0; k < Fonte; ++k)
        if (indice[k] < 0) {
            errore = {1, 0,
                      "manca la colonna " + std::string(kIntestazioni[k]) +
                          " (servono le colonne INIZIO;FINE;CATEGORIA;CLASSE;TEGM;SOGLIA)"};
            return std::nullopt;
        }
    return indice;
}

// One row of rates, line `n` of the file; nothing when a field is wrong.
std::optional<RigaSerie> leggiRiga(const std::vector<std::string>& campi, const Indici& indice, int n,
                                   ErroreSerie& errore) {
    const auto campo = [&](Colonna k) -> std::string_view {
        return indice[k] < 0 || static_cast<std::size_t>(indice[k]) >= campi.size()
                   ? std::string_view()
                   : senzaSpazi(campi[static_cast<std::size_t>(indice[k])]);
    };
    const auto sbaglio = [&](Colonna k, std::string t) -> std::optional<RigaSerie> {
        errore = {n, indice[k] + 1, std::move(t)};
        return std::nullopt;
    };
    RigaSerie r;
    r.riga = n;
    const auto inizio = leggiDataSerie(campo(Inizio));
    if (!inizio) return sbaglio(Inizio, tra("data di inizio non valida ", campo(Inizio)));
    const auto fine = leggiDataSerie(campo(Fine));
    if (!fine) return sbaglio(Fine, tra("data di fine non valida ", campo(Fine)));
    if (*fine < *inizio) return sbaglio(Fine, "la fine del periodo precede l'inizio");
    r.inizio = *inizio;
    r.fine = *fine;
    r.categoria = std::string(campo(Categoria));
    if (r.categoria.empty()) return sbaglio(Categoria, "manca la categoria");
    r.classe = std::string(campo(Classe));
    r.limiti = leggiClasse(r.classe);
    for (const Colonna k : {Tegm, Soglia}) {
        LetturaTasso x = leggiTasso(campo(k));
        if (x.tasso && x.tasso->unita >= 100 * TassoEsatto::kPunto)
            x = {std::nullopt, "tasso " + citazione(campo(k)) + " non inferiore a 100"};
        if (!x.tasso) return sbaglio(k, (k == Tegm ? "TEGM non valido: " : "tasso soglia non valido: ") + x.errore);
        (k == Tegm ? r.tegm : r.soglia) = *x.tasso;
    }
    r.fonte = campo(Fonte).empty() ? std::string("bdi-serie") : std::string(campo(Fonte));
    return r;
}

// Rows of one period share its end; periods follow each other without overlapping.
bool periodiCoerenti(const SerieUfficiale& serie, const Indici& indice, ErroreSerie& errore) {
    const auto& p = serie.periodi();
    for (std::size_t k = 0; k < p.size(); ++k) {
        for (std::size_t i = p[k].prima; i < p[k].oltre; ++i)
            if (serie.righe()[i].fine != p[k].fine) {
                errore = {serie.righe()[i].riga, indice[Fine] + 1,
                          "il periodo che inizia il " + p[k].inizio.testo() + " ha due date di fine"};
                return false;
            }
        if (k > 0 && p[k].inizio <= p[k - 1].fine) {
            errore = {serie.righe()[p[k].prima].riga, indice[Inizio] + 1,
                      "il periodo " + p[k].inizio.testo() + "-" + p[k].fine.testo() + " si sovrappone al periodo " +
                          p[k - 1].inizio.testo() + "-" + p[k - 1].fine.testo()};
            return false;
        }
    }
    return true;
}

} // namespace

EsitoSerie leggiSerieUfficiale(std::string_view contenuto) {
    EsitoSerie esito;
    ErroreSerie& errore = esito.errore;
    const auto testo = testoDellaSerie(contenuto, errore);
    if (!testo) return esito;
    const char sep = separatore(*testo);
    Scomposizione righe(*testo, sep == 0 ? ';' : sep);
    std::vector<std::string> campi;
    if (!righe.prossimo(campi, errore)) return esito;
    const auto indice = indiciColonne(campi, errore);
    if (!indice) return esito;
    const std::size_t necessarie =
        static_cast<std::size_t>(*std::max_element(indice->begin(), indice->begin() + Fonte)) + 1;

    std::vector<RigaSerie> lette;
    std::unordered_set<std::string> chiavi;
    const auto righeStimate = static_cast<std::size_t>(std::count(testo->begin(), testo->end(), '\n'));
    lette.reserve(righeStimate);
    chiavi.reserve(righeStimate);
    while (!righe.fine()) {
        if (!righe.prossimo(campi, errore)) return esito;
        const int n = righe.riga();
        if (campi.size() == 1 && senzaSpazi(campi[0]).empty()) continue; // blank line
        if (campi.size() < necessarie) {
            errore = {n, static_cast<int>(campi.size()),
                      "la riga ha " + std::to_string(campi.size()) + " campi, ne servono " +
                          std::to_string(necessarie)};
            return esito;
        }
        auto r = leggiRiga(campi, *indice, n, errore);
        if (!r) return esito;
        if (!chiavi.insert(r->inizio.testo() + '\n' + r->categoria + '\n' + r->classe).second) {
            errore = {n, (*indice)[Classe] + 1,
                      "riga ripetuta: stesso periodo, categoria e classe di una riga precedente"};
            return esito;
        }
        lette.push_back(std::move(*r));
    }
    if (lette.empty()) {
        errore = {0, 0, "il file non contiene righe di tassi"};
        return esito;
    }
    SerieUfficiale serie(std::move(lette));
    if (!periodiCoerenti(serie, *indice, errore)) return esito;
    esito.serie.emplace(std::move(serie));
    return esito;
}

EsitoSerie leggiFileSerie(const std::string& percorso, const LettoreZip* zip) {
    EsitoSerie esito;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(percorso, ec)) {
        esito.errore = {0, 0, "il file non esiste o non è un file: " + percorso};
        return esito;
    }
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (ec || dimensione > kMassimoFile) {
        esito.errore = {0, 0, ec ? "impossibile leggere il file " + percorso : "il file è troppo grande: " + percorso};
        return esito;
    }
    std::ifstream in(percorso, std::ios::binary);
    std::string byte(static_cast<std::size_t>(dimensione), '\0');
    if (!in.read(byte.data(), static_cast<std::streamsize>(byte.size()))) {
        esito.errore = {0, 0, "impossibile leggere il file " + percorso};
        return esito;
    }
    if (byte.starts_with("PK\x03\x04") || byte.starts_with("PK\x05\x06")) {
        std::string motivo;
        const auto csv = zip ? zip->estraiCsv(byte, motivo) : std::nullopt;
        if (!csv) {
            esito.errore = {0, 0, motivo.empty() ? "impossibile aprire l'archivio zip" : motivo};
            return esito;
        }
        return leggiSerieUfficiale(*csv);
    }
    return leggiSerieUfficiale(byte);
}

std::string testoSerie(const SerieUfficiale& s) {
    const auto campo = [](const std::string& t) {
        if (t.find_first_of(";\"\r\n") == std::string::npos) return t;
        std::string q = "\"";
        for (const char c : t)
            q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + '"';
    };
    std::string out = "inizio;fine;categoria;classe;tegm;soglia;fonte\n";
    out.reserve(s.righe().size() * 130);
    for (const RigaSerie& r : s.righe()) {
        out += r.inizio.testo() + ';' + r.fine.testo() + ';' + campo(r.categoria) + ';' + campo(r.classe) + ';' +
               r.tegm.testo() + ';' + r.soglia.testo() + ';' + campo(r.fonte) + '\n';
    }
    return out;
}

} // namespace vantrel
