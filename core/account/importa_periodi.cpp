#include "account/importa_periodi.h"

#include "common/cp1252.h"
#include "common/data_cella.h"
#include "common/date.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "common/testo_confronto.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace vantrel {
namespace {

// What a column holds: a figure of the period (its position in kCampiPeriodo, from 0), or one of these.
enum Ruolo : int {
    kIgnota = -1,
    kDal = -2,
    kAl = -3,
    kCategoria = -4,
    kAccordato = -5,
    kValuta = -6,
    kNorma = -7,
    kFormula = -8,
    kAccordatoOFido = -9, // "accordato": the option when its cells are options, otherwise the fido
};

struct Alias {
    const char* chiave;
    int ruolo;
};

// The headers of the columns that are not figures, as compared (see chiaveTesto).
constexpr Alias kIntestazioni[] = {
    {"dal", kDal},     {"al", kAl},           {"categoria", kCategoria},      {"valuta", kValuta},
    {"norma", kNorma}, {"formula", kFormula}, {"accordato", kAccordatoOFido},
};

// A word of a choice column and what it picks: the control clicked, or the category of account.
struct Scelta {
    std::string chiave;
    int ControlliTeg::*controllo = nullptr;
    const CategoriaConto* categoria = nullptr;
};
struct Scelte {
    std::vector<Scelta> voci;
    std::string ammesse;
};

// The categories as their list writes them.
Scelte scelteCategoria() {
    Scelte s;
    const auto& categorie = categorieConto();
    for (std::size_t k = 0; k < categorie.size(); ++k) {
        s.voci.push_back({chiaveTesto(categorie[k].nome), nullptr, &categorie[k]});
        s.ammesse += (k == 0 ? "" : k + 1 == categorie.size() ? " o " : ", ") + categorie[k].nome;
    }
    return s;
}

const Scelte& scelte(int ruolo) {
    using C = ControlliTeg;
    static const Scelte categoria = scelteCategoria();
    static const Scelte accordato{{{"fido", &C::accordatoFido},
                                   {"indebitam medio", &C::accordatoIndebitamento},
                                   {"indebitamento medio", &C::accordatoIndebitamento}},
                                  "Fido o indebitam. medio"};
    static const Scelte valuta{
        {{"euro", &C::euro}, {"eur", &C::euro}, {"lire", &C::lire}, {"lira", &C::lire}, {"itl", &C::lire}},
        "Euro o Lire"};
    static const Scelte norma{{{"secondo la data", &C::normaPerData},
                               {"vecchia norma", &C::vecchiaNorma},
                               {"vecchia", &C::vecchiaNorma},
                               {"nuova norma", &C::nuovaNorma},
                               {"nuova", &C::nuovaNorma}},
                              "secondo la data, vecchia norma o nuova norma"};
    static const Scelte formula{{{"banca ditalia", &C::calcolaBancaItalia}, {"globale", &C::calcolaGlobale}},
                                "Banca d'Italia o globale"};
    switch (ruolo) {
    case kCategoria:
        return categoria;
    case kAccordato:
        return accordato;
    case kValuta:
        return valuta;
    case kNorma:
        return norma;
    default:
        return formula;
    }
}

struct Record {
    int riga;
    std::vector<std::string> celle;
    bool vuoto() const {
        return std::all_of(celle.begin(), celle.end(), [](const std::string& c) { return trim(c).empty(); });
    }
};

/// A quoted cell whose opening quote was just read: its text, a doubled quote being one, up to the
/// closing quote. False when the file ends first.
bool cellaVirgolettata(std::streambuf& in, std::string& c) {
    constexpr auto kFine = std::char_traits<char>::eof();
    for (int b = in.sbumpc(); b != kFine; b = in.sbumpc()) {
        if (b != '"') {
            c += static_cast<char>(b);
        } else if (in.sgetc() == '"') {
            c += '"';
            in.sbumpc();
        } else {
            return true;
        }
    }
    return false;
}

/// A cell that opens with a quote is read to its closing quote; false when the file ends first.
bool inizioCella(std::streambuf& in, std::string& c) {
    if (in.sgetc() != '"') return true;
    in.sbumpc();
    return cellaVirgolettata(in, c);
}

/// The next record of the stream, one per spreadsheet row: ";" between cells, a quoted cell may hold
/// ";", line breaks and doubled quotes; CR LF, LF and CR end a row. False at the end.
bool prossimoRecord(std::streambuf& in, int& riga, Record& r) {
    constexpr auto kFine = std::char_traits<char>::eof();
    if (in.sgetc() == kFine) return false;
    r.riga = ++riga;
    r.celle.clear();
    std::string* c = &r.celle.emplace_back();
    if (!inizioCella(in, *c)) throw ErroreImportazione{riga, "", "le virgolette aperte non sono chiuse"};
    // Unquoted text, or what follows the closing quote, runs to the next ";" or line end.
    for (int b = in.sbumpc(); b != kFine && b != '\n'; b = in.sbumpc()) {
        if (b == '\r') {
            if (in.sgetc() == '\n') in.sbumpc();
            break;
        }
        if (b != ';') {
            *c += static_cast<char>(b);
            continue;
        }
        c = &r.celle.emplace_back();
        if (!inizioCella(in, *c)) throw ErroreImportazione{riga, "", "le virgolette aperte non sono chiuse"};
    }
    return true;
}

int ruoloDi(const std::string& intestazione) {
    const std::string k = chiaveTesto(intestazione);
    for (std::size_t c = 0; c < kCampiPeriodo.size(); ++c)
        for (const std::string_view a : kCampiPeriodo[c].intestazioni)
            if (!a.empty() && k == a) return static_cast<int>(c);
    for (const Alias& a : kIntestazioni)
        if (k == a.chiave) return a.ruolo;
    return kIgnota;
}

std::optional<Scelta> scelta(int ruolo, std::string_view cella) {
    const std::string k = ruolo == kValuta && trim(cella) == "€" ? std::string("euro") : chiaveTesto(cella);
    for (const Scelta& s : scelte(ruolo).voci)
        if (k == s.chiave) return s;
    return std::nullopt;
}

/// The text to paste for an amount: the cell itself, or without a currency sign and blanks when
/// only these keep it from reading as a number.
std::optional<std::string> importo(std::string_view cella) {
    if (leggiNumero(cella)) return std::string(cella);
    std::string pulito;
    for (std::size_t i = 0; i < cella.size();) {
        const std::size_t da = i;
        const char32_t c = carattereUtf8(cella, i);
        if (c != 0x20AC && c != ' ' && c != '\t' && c != 0xA0 && c != 0x202F) pulito.append(cella, da, i - da);
    }
    if (leggiNumero(pulito)) return pulito;
    return std::nullopt;
}

std::string nomeColonna(const std::vector<LettorePeriodi::Colonna>& colonne, std::size_t c) {
    if (c < colonne.size() && !colonne[c].nome.empty()) return colonne[c].nome;
    return std::to_string(c + 1);
}

/// The next record with its cells in UTF-8.
bool prossimaRiga(std::streambuf& in, bool cp1252, int& riga, Record& r) {
    if (!prossimoRecord(in, riga, r)) return false;
    if (cp1252)
        for (auto& c : r.celle)
            c = daCp1252AUtf8(c);
    return true;
}

std::streampos posizione(std::streambuf& in) {
    return in.pubseekoff(0, std::ios::cur, std::ios::in);
}

// The header: the first row naming both dates (title rows may stand above it), else the first
// non-empty row; none in an empty file. The stream and `riga` are left on the first row after it.
std::optional<Record> testataDi(std::streambuf& in, bool cp1252, int& riga) {
    Record rec;
    std::streampos primaPiena = -1;
    int rigaPrimaPiena = 0;
    std::optional<Record> testata;
    while (riga < 30 && prossimaRiga(in, cp1252, riga, rec)) {
        bool dal = false, al = false;
        for (const auto& c : rec.celle) {
            const int ruolo = ruoloDi(c);
            dal = dal || ruolo == kDal;
            al = al || ruolo == kAl;
        }
        if (dal && al) return rec;
        if (!testata && !rec.vuoto()) {
            primaPiena = posizione(in);
            rigaPrimaPiena = riga;
            testata = rec;
        }
    }
    if (testata) { // no row names both dates
        in.pubseekpos(primaPiena, std::ios::in);
        riga = rigaPrimaPiena;
    }
    return testata;
}

void applicaScelta(PeriodoDaControllare& p, int ruolo, const Scelta& s) {
    switch (ruolo) {
    case kCategoria:
        p.categoria = s.categoria;
        break;
    case kAccordato:
        p.accordato = s.controllo;
        break;
    case kValuta:
        p.valuta = s.controllo;
        break;
    case kNorma:
        p.norma = s.controllo;
        break;
    default:
        p.formula = s.controllo;
    }
}

} // namespace

std::string ErroreImportazione::messaggio() const {
    std::string s;
    if (riga > 0) s = "riga " + std::to_string(riga);
    if (!colonna.empty()) s += (s.empty() ? "" : ", ") + std::string("colonna ") + colonna;
    return s.empty() ? testo : s + ": " + testo;
}

LettorePeriodi::LettorePeriodi(std::string_view contenuto)
    : LettorePeriodi(std::make_unique<std::istringstream>(std::string(contenuto))) {}

LettorePeriodi::LettorePeriodi(std::unique_ptr<std::istream> in) : in_(std::move(in)) {
    std::streambuf& b = *in_->rdbuf();
    std::array<char, 3> bom{};
    const std::string_view primi(bom.data(), static_cast<std::size_t>(b.sgetn(bom.data(), 3)));
    if (primi.starts_with("\xFF\xFE") || primi.starts_with("\xFE\xFF"))
        throw ErroreImportazione{0, "",
                                 "il file è in UTF-16: salvarlo come \"CSV (delimitato dal separatore di elenco)\""};
    const std::streampos dopoBom = primi == "\xEF\xBB\xBF" ? 3 : 0;
    b.pubseekpos(dopoBom, std::ios::in);
    // Windows-1252 unless the whole file is UTF-8: one pass over its bytes before the rows.
    cp1252_ = !flussoUtf8(*in_);
    in_->clear();
    b.pubseekpos(dopoBom, std::ios::in);
    Record rec;
    int riga = 0;
    const std::optional<Record> testata = testataDi(b, cp1252_, riga);
    if (!testata) throw ErroreImportazione{0, "", "il file è vuoto: manca la riga di intestazione"};
    inizio_ = posizione(b);
    rigaInizio_ = riga;
    for (const auto& c : testata->celle)
        colonne_.push_back({citazioneNuda(trim(c)), ruoloDi(c)});
    if (colonne_.size() == 1 && colonne_[0].ruolo == kIgnota &&
        colonne_[0].nome.find_first_of(",\t") != std::string::npos)
        throw ErroreImportazione{testata->riga, "", "separatore errato: le colonne vanno separate da \";\""};
    for (const char* nome : {"Dal", "Al"}) {
        const int ruolo = nome[1] == 'a' ? kDal : kAl;
        if (std::none_of(colonne_.begin(), colonne_.end(), [&](const Colonna& c) { return c.ruolo == ruolo; }))
            throw ErroreImportazione{testata->riga, "", std::string("manca la colonna obbligatoria \"") + nome + "\""};
    }
    // One look at the rows: "accordato" is the option when every cell it fills is one, and the fido
    // otherwise; an unnamed column is named as ignored only when it holds something.
    std::vector<char> importi(colonne_.size()), piene(colonne_.size());
    bool righe = false;
    while (prossimaRiga(b, cp1252_, riga, rec))
        for (std::size_t c = 0; c < rec.celle.size(); ++c) {
            if (trim(rec.celle[c]).empty()) continue;
            righe = true;
            if (c >= colonne_.size()) continue;
            piene[c] = 1;
            if (colonne_[c].ruolo == kAccordatoOFido && !scelta(kAccordato, rec.celle[c])) importi[c] = 1;
        }
    if (!righe) throw ErroreImportazione{0, "", kFileSenzaRighe};
    for (std::size_t c = 0; c < colonne_.size(); ++c) {
        // A column with no amount in it is the option: an empty one then takes no place of the fido.
        if (colonne_[c].ruolo == kAccordatoOFido)
            colonne_[c].ruolo = !importi[c] ? kAccordato : static_cast<int>(indiceCampo(&ControlliTeg::fido));
        if (colonne_[c].ruolo == kIgnota) {
            if (!colonne_[c].nome.empty() || piene[c])
                ignorate_.push_back(colonne_[c].nome.empty() ? "colonna " + std::to_string(c + 1) + " senza nome"
                                                             : colonne_[c].nome);
            continue;
        }
        for (std::size_t d = 0; d < c; ++d)
            if (colonne_[d].ruolo == colonne_[c].ruolo)
                throw ErroreImportazione{testata->riga, colonne_[c].nome,
                                         "colonna ripetuta: i suoi dati sono già nella colonna " + colonne_[d].nome};
    }
    riavvolgi();
}

void LettorePeriodi::riavvolgi() {
    in_->clear();
    in_->rdbuf()->pubseekpos(inizio_, std::ios::in);
    riga_ = rigaInizio_;
}

bool LettorePeriodi::prossimo(PeriodoDaControllare& p) {
    Record rec;
    do {
        if (!prossimaRiga(*in_->rdbuf(), cp1252_, riga_, rec)) return false;
    } while (rec.vuoto());
    for (std::size_t c = colonne_.size(); c < rec.celle.size(); ++c)
        if (!trim(rec.celle[c]).empty())
            throw ErroreImportazione{rec.riga, std::to_string(c + 1),
                                     "la riga ha " + std::to_string(rec.celle.size()) + " campi, l'intestazione " +
                                         std::to_string(colonne_.size())};
    p = PeriodoDaControllare{};
    p.riga = rec.riga;
    std::optional<Data> dal, al;
    static const std::string vuota;
    for (std::size_t c = 0; c < colonne_.size(); ++c) {
        const int ruolo = colonne_[c].ruolo;
        if (ruolo == kIgnota) continue;
        const std::string& v = c < rec.celle.size() ? rec.celle[c] : vuota;
        const std::string_view t = trim(v);
        const auto errore = [&](const std::string& cosa) {
            return ErroreImportazione{rec.riga, nomeColonna(colonne_, c), citazione(t) + " " + cosa};
        };
        if (ruolo == kDal || ruolo == kAl) {
            if (t.empty()) throw ErroreImportazione{rec.riga, nomeColonna(colonne_, c), "manca la data"};
            const auto d = leggiDataCella(t);
            if (!d) throw errore("non è una data (gg/mm/aaaa)");
            (ruolo == kDal ? dal : al) = d;
            (ruolo == kDal ? p.dal : p.al) = d->testo();
            if (dal && al && *al < *dal)
                throw ErroreImportazione{rec.riga, nomeColonna(colonne_, c),
                                         "il periodo finisce (" + al->testo() + ") prima di cominciare (" +
                                             dal->testo() + ")"};
        } else if (t.empty()) {
            continue;
        } else if (ruolo >= 0 && kCampiPeriodo[static_cast<std::size_t>(ruolo)].origine == OrigineCampo::Giorni) {
            const auto g = leggiIntero16(v);
            if (!g || *g <= 0) throw errore("non è un numero di giorni");
            p.campi[static_cast<std::size_t>(ruolo)] = v;
        } else if (ruolo >= 0) {
            const auto testoCampo = importo(v);
            if (!testoCampo) throw errore("non è un importo");
            p.campi[static_cast<std::size_t>(ruolo)] = *testoCampo;
        } else {
            const auto s = scelta(ruolo, v);
            if (!s) throw errore("non è ammesso (" + scelte(ruolo).ammesse + ")");
            applicaScelta(p, ruolo, *s);
        }
    }
    return true;
}

PeriodiImportati leggiPeriodi(std::string_view contenuto) {
    LettorePeriodi lettore(contenuto);
    PeriodiImportati out;
    out.colonneIgnorate = lettore.colonneIgnorate();
    for (PeriodoDaControllare p; lettore.prossimo(p);)
        out.periodi.push_back(std::move(p));
    return out;
}

std::unique_ptr<std::istream> apriFilePeriodi(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::u8path(path), ec))
        throw ErroreImportazione{0, "", "è una cartella, non un file CSV"};
    auto in = std::make_unique<std::ifstream>(std::filesystem::u8path(path), std::ios::binary);
    if (!*in) throw ErroreImportazione{0, "", "impossibile leggere il file"};
    return in;
}

PeriodiImportati leggiFilePeriodi(const std::string& path) {
    LettorePeriodi lettore(apriFilePeriodi(path));
    PeriodiImportati out;
    out.colonneIgnorate = lettore.colonneIgnorate();
    for (PeriodoDaControllare p; lettore.prossimo(p);)
        out.periodi.push_back(std::move(p));
    return out;
}

} // namespace vantrel
