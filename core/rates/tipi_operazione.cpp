#include "rates/tipi_operazione.h"

#include "rates/parole_categoria.h"

#include <algorithm>
#include <unordered_map>

namespace vantrel {
namespace {

// The official names that two kinds of operation share. Up to 2009 (and for the other loans in the
// 1st quarter of 2010) the banks and the other intermediaries had a category each.
constexpr const char* kFinalizzatoRevolving =
    "CREDITO FINALIZZATO ALL'ACQUISTO RATEALE E CREDITO REVOLVING (dal 1° luglio 2003 al 31 dicembre 2009)";
constexpr const char* kMutui = "MUTUI IPOTECARI A TASSO FISSO E VARIABILE (fino al 30 giugno 2004)";
constexpr const char* kLeasing = "LEASING (fino al 31 dicembre 2009)";
constexpr const char* kLeasingImmobiliare = "LEASING IMMOBILIARE (dal 1° gennaio 2010 al 31 marzo 2011)";
constexpr const char* kFamiglieBanche =
    "CREDITI PERSONALI E ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DALLE BANCHE (fino al 31 dicembre 2009)";
constexpr const char* kNonBancari = "ANTICIPI, SCONTI COMMERCIALI, CREDITI PERSONALI E ALTRI FINANZIAMENTI "
                                    "EFFETTUATI DAGLI INTERMEDIARI NON BANCARI (fino al 31 dicembre 2009)";
constexpr const char* kAltriNonBancari =
    "ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DAGLI INTERMEDIARI NON BANCARI (I trimestre 2010)";

using enum TipoMora; // the tables below name the kinds of loan of the default-interest surcharge

// The kinds of the accounts, of factoring and of the loans to families, then the leasing up to 2009.
std::vector<TipoOperazione> tipiFinoAlLeasing() {
    return {
        {"Aperture di credito in conto corrente", AltriFinanziamenti, {"APERTURE DI CREDITO IN CONTO CORRENTE"}},
        {"Scoperti senza affidamento", AltriFinanziamenti, {"SCOPERTI SENZA AFFIDAMENTO (dal 1° gennaio 2010)"}},
        {"Anticipi, sconti commerciali e finanziamenti alle imprese",
         AltriFinanziamenti,
         {"ANTICIPI, SCONTI COMMERCIALI E ALTRI FINANZIAMENTI ALLE IMPRESE EFFETTUATI DALLE BANCHE (fino al 31 "
          "dicembre 2009)",
          "ANTICIPI, SCONTI COMMERCIALI E ALTRI FINANZIAMENTI ALLE IMPRESE (I trimestre 2010)",
          "ANTICIPI E SCONTI (dal 1° aprile 2010)", "ANTICIPI, SCONTI COMMERCIALI E FINANZIAMENTI ALL'IMPORTAZIONE",
          "Finanziamenti per anticipi su crediti e documenti e sconto di portafoglio commerciale; finanziamenti "
          "all'importazione e anticipo fornitori"}},
        {"Factoring", AltriFinanziamenti, {"FACTORING"}},
        // Before personal credit, so that a name of the non-bank intermediaries is first theirs.
        {"Finanziamenti degli intermediari non bancari", AltriFinanziamenti, {kNonBancari, kAltriNonBancari}},
        {"Credito personale",
         AltriFinanziamenti,
         {kFamiglieBanche, kNonBancari, "CREDITO PERSONALE (dal 1° gennaio 2010)"},
         "Credito personale",
         3},
        {"Altri finanziamenti",
         AltriFinanziamenti,
         {kFamiglieBanche, kNonBancari, "ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DALLE BANCHE (I trimestre 2010)",
          kAltriNonBancari, "ALTRI FINANZIAMENTI ALLE FAMIGLIE E ALLE IMPRESE (dal 1° aprile 2010)",
          "Altri finanziamenti"},
         "Altri finanziamenti",
         10},
        {"Leasing (fino al 2009)", Leasing, {kLeasing}},
    };
}

// Leasing, consumer credit and mortgages. The loan check takes the single leasing category of the
// years up to 2009 for every kind of leasing.
std::vector<TipoOperazione> tipiDalLeasing() {
    return {
        {"Leasing autoveicoli e aeronavali",
         Leasing,
         {kLeasing, "LEASING AUTOVEICOLI E AERONAVALI (dal 1° gennaio 2010)", "Leasing aeronavale e su autoveicoli"},
         "Leasing autoveicoli e aeronavali",
         9},
        {"Leasing immobiliare a tasso fisso",
         Leasing,
         {kLeasing, kLeasingImmobiliare, "LEASING IMMOBILIARE A TASSO FISSO (dal 1° aprile 2011)"},
         "Leasing immobiliare a tasso fisso",
         6},
        {"Leasing immobiliare a tasso variabile",
         Leasing,
         {kLeasing, kLeasingImmobiliare, "LEASING IMMOBILIARE A TASSO VARIABILE (dal 1° aprile 2011)"},
         "Leasing immobiliare a tasso variabile",
         7},
        {"Leasing strumentale",
         Leasing,
         {kLeasing, "LEASING STRUMENTALE (dal 1° gennaio 2010)"},
         "Leasing strumentale",
         8},
        {"Credito finalizzato",
         AltriFinanziamenti,
         {"CREDITO FINALIZZATO ALL'ACQUISTO RATEALE (fino al 30 giugno 2003)", kFinalizzatoRevolving,
          "CREDITO FINALIZZATO ALL'ACQUISTO RATEALE (dal 1° gennaio 2010)", "CREDITO FINALIZZATO ALL'ACQUISTO RATEALE",
          "Credito finalizzato"},
         "Credito finalizzato",
         5},
        {"Credito revolving", AltriFinanziamenti, {kFinalizzatoRevolving, "CREDITO REVOLVING (dal 1° gennaio 2010)"}},
        {"Finanziamenti con carte di credito",
         AltriFinanziamenti,
         {"FINANZIAMENTI RATEALI CON CARTE DI CREDITO (dal 1° aprile 2017)",
          "Finanziamenti con utilizzo di carte di credito"}},
        {"Mutui ipotecari a tasso fisso",
         MutuoOltreCinqueAnni,
         {kMutui, "MUTUI IPOTECARI A TASSO FISSO (dal 1° luglio 2004)", "Mutui con garanzia ipotecaria a tasso fisso"},
         "Mutuo ipotecario a tasso fisso",
         1},
        {"Mutui ipotecari a tasso variabile",
         MutuoOltreCinqueAnni,
         {kMutui, "MUTUI IPOTECARI A TASSO VARIABILE (dal 1° luglio 2004)",
          "Mutui con garanzia ipotecaria a tasso variabile"},
         "Mutuo ipotecario a tasso variabile",
         2},
        {"Cessione del quinto dello stipendio e della pensione",
         AltriFinanziamenti,
         {"PRESTITI CONTRO CESSIONE DEL QUINTO DELLO STIPENDIO (fino al 31 dicembre 2009)",
          "PRESTITI CONTRO CESSIONE DEL QUINTO STIPENDIO E PENSIONE (dal 1° gennaio 2010)",
          "Prestiti contro cessione del quinto dello stipendio e della pensione"},
         "Cessione del quinto dello stipendio e della pensione",
         4},
    };
}

std::vector<TipoOperazione> creaTipi() {
    std::vector<TipoOperazione> t = tipiFinoAlLeasing();
    for (TipoOperazione& k : tipiDalLeasing())
        t.push_back(std::move(k));
    return t;
}

// The names' words without the remark in parentheses: the 2025 names repeat the earlier ones
// without "(dal 1° gennaio 2010)".
std::vector<std::string> parole(std::string_view nome) {
    return radiciParole(nome, false);
}

} // namespace

bool TipoOperazione::comprende(std::string_view categoria) const {
    return std::find(radici.begin(), radici.end(), parole(categoria)) != radici.end();
}

const std::vector<TipoOperazione>& tipiOperazione() {
    static const std::vector<TipoOperazione> tipi = [] {
        std::vector<TipoOperazione> t = creaTipi();
        for (TipoOperazione& k : t)
            for (const std::string& c : k.categorie)
                k.radici.push_back(parole(c));
        return t;
    }();
    return tipi;
}

const TipoOperazione* tipoDiCategoria(std::string_view categoria) {
    for (const TipoOperazione& t : tipiOperazione())
        if (t.comprende(categoria)) return &t;
    return nullptr;
}

std::vector<const TipoOperazione*> tipiMutuo() {
    std::vector<const TipoOperazione*> out;
    for (const TipoOperazione& t : tipiOperazione())
        if (t.voceMutuo > 0) out.push_back(&t);
    std::sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->voceMutuo < b->voceMutuo; });
    return out;
}

std::optional<Intermediario> intermediarioDi(std::string_view categoria) {
    const std::vector<std::string> r = radiciParole(categoria, false);
    for (std::size_t k = 0; k < r.size(); ++k) {
        if (r[k] == "bancar" && k > 0 && r[k - 1] == "non") return Intermediario::NonBancario;
        if (r[k] == "banch") return Intermediario::Banca;
    }
    return std::nullopt;
}

RicercaSerie cercaTipo(const SerieUfficiale& s, const Data& d, const TipoOperazione& tipo, Intermediario chi,
                       std::optional<double> importo) {
    RicercaSerie out;
    std::vector<CategoriaInVigore> trovate;
    for (CategoriaInVigore& c : s.categorie(d)) {
        const auto per = intermediarioDi(c.nome);
        if (tipo.comprende(c.nome) && (!per || *per == chi)) trovate.push_back(std::move(c));
    }
    if (trovate.size() == 1) return classeDellaCategoria(trovate[0], importo, Valuta::Euro);
    if (trovate.empty()) {
        out.errore = s.periodo(d) ? "nessuna categoria in vigore il " + d.testo() + " per \"" + tipo.nome + "\""
                                  : "la serie ufficiale non ha tassi per il " + d.testo();
        return out;
    }
    out.errore = "\"" + tipo.nome + "\" corrisponde a più categorie in vigore il " + d.testo() + ":";
    for (std::size_t k = 0; k < trovate.size(); ++k)
        out.errore += (k ? "; " : " ") + trovate[k].nome;
    return out;
}

std::vector<PuntoAndamento> andamento(const SerieUfficiale& s, const TipoOperazione& tipo,
                                      std::optional<double> importo, Valuta valuta) {
    std::vector<PuntoAndamento> out;
    std::unordered_map<std::string, bool> diTipo; // by official name
    for (const PeriodoSerie& p : s.periodi()) {
        const RigaSerie* scelta = nullptr;
        int classi = 0;
        std::string categoria; // the first category of the kind in the period
        for (std::size_t i = p.prima; i < p.oltre; ++i) {
            const RigaSerie& r = s.righe()[i];
            const auto [it, nuovo] = diTipo.try_emplace(r.categoria, false);
            if (nuovo) it->second = tipo.comprende(r.categoria);
            if (!it->second || (!categoria.empty() && r.categoria != categoria)) continue;
            categoria = r.categoria;
            ++classi;
            if (!scelta && importo && r.limiti.contiene(*importo, valuta)) scelta = &r;
            if (classi == 1 && !importo) scelta = &r;
        }
        if (!scelta || (!importo && classi > 1)) continue;
        out.push_back({p.inizio, p.fineEffettiva, scelta->tegm, scelta->soglia,
                       sogliaSecondoRegola(scelta->tegm, normaDelPeriodo(p.inizio))});
    }
    return out;
}

} // namespace vantrel
