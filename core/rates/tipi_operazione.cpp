#include "rates/tipi_operazione.h"

#include "rates/parole_categoria.h"

#include <algorithm>
#include <unordered_map>

namespace vantrel {
namespace {

// The official names that two kinds of operation share.
constexpr const char* kFinalizzatoRevolving =
    "CREDITO FINALIZZATO ALL'ACQUISTO RATEALE E CREDITO REVOLVING (dal 1° luglio 2003 al 31 dicembre 2009)";
constexpr const char* kMutui = "MUTUI IPOTECARI A TASSO FISSO E VARIABILE (fino al 30 giugno 2004)";
constexpr const char* kLeasingImmobiliare = "LEASING IMMOBILIARE (dal 1° gennaio 2010 al 31 marzo 2011)";

using enum TipoMora; // the table below names the kinds of loan of the default-interest surcharge

std::vector<TipoOperazione> creaTipi() {
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
        {"Credito personale",
         AltriFinanziamenti,
         {"CREDITI PERSONALI E ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DALLE BANCHE (fino al 31 dicembre 2009)",
          "CREDITO PERSONALE (dal 1° gennaio 2010)"}},
        {"Altri finanziamenti",
         AltriFinanziamenti,
         {"ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DALLE BANCHE (I trimestre 2010)",
          "ALTRI FINANZIAMENTI ALLE FAMIGLIE E ALLE IMPRESE (dal 1° aprile 2010)", "Altri finanziamenti"}},
        {"Finanziamenti degli intermediari non bancari",
         AltriFinanziamenti,
         {"ANTICIPI, SCONTI COMMERCIALI, CREDITI PERSONALI E ALTRI FINANZIAMENTI EFFETTUATI DAGLI INTERMEDIARI NON "
          "BANCARI (fino al 31 dicembre 2009)",
          "ALTRI FINANZIAMENTI ALLE FAMIGLIE EFFETTUATI DAGLI INTERMEDIARI NON BANCARI (I trimestre 2010)"}},
        {"Leasing (fino al 2009)", Leasing, {"LEASING (fino al 31 dicembre 2009)"}},
        {"Leasing autoveicoli e aeronavali",
         Leasing,
         {"LEASING AUTOVEICOLI E AERONAVALI (dal 1° gennaio 2010)", "Leasing aeronavale e su autoveicoli"}},
        {"Leasing immobiliare a tasso fisso",
         Leasing,
         {kLeasingImmobiliare, "LEASING IMMOBILIARE A TASSO FISSO (dal 1° aprile 2011)"}},
        {"Leasing immobiliare a tasso variabile",
         Leasing,
         {kLeasingImmobiliare, "LEASING IMMOBILIARE A TASSO VARIABILE (dal 1° aprile 2011)"}},
        {"Leasing strumentale", Leasing, {"LEASING STRUMENTALE (dal 1° gennaio 2010)"}},
        {"Credito finalizzato",
         AltriFinanziamenti,
         {"CREDITO FINALIZZATO ALL'ACQUISTO RATEALE (fino al 30 giugno 2003)", kFinalizzatoRevolving,
          "CREDITO FINALIZZATO ALL'ACQUISTO RATEALE (dal 1° gennaio 2010)", "CREDITO FINALIZZATO ALL'ACQUISTO RATEALE",
          "Credito finalizzato"}},
        {"Credito revolving", AltriFinanziamenti, {kFinalizzatoRevolving, "CREDITO REVOLVING (dal 1° gennaio 2010)"}},
        {"Finanziamenti con carte di credito",
         AltriFinanziamenti,
         {"FINANZIAMENTI RATEALI CON CARTE DI CREDITO (dal 1° aprile 2017)",
          "Finanziamenti con utilizzo di carte di credito"}},
        {"Mutui ipotecari a tasso fisso",
         MutuoOltreCinqueAnni,
         {kMutui, "MUTUI IPOTECARI A TASSO FISSO (dal 1° luglio 2004)", "Mutui con garanzia ipotecaria a tasso fisso"}},
        {"Mutui ipotecari a tasso variabile",
         MutuoOltreCinqueAnni,
         {kMutui, "MUTUI IPOTECARI A TASSO VARIABILE (dal 1° luglio 2004)",
          "Mutui con garanzia ipotecaria a tasso variabile"}},
        {"Cessione del quinto dello stipendio e della pensione",
         AltriFinanziamenti,
         {"PRESTITI CONTRO CESSIONE DEL QUINTO DELLO STIPENDIO (fino al 31 dicembre 2009)",
          "PRESTITI CONTRO CESSIONE DEL QUINTO STIPENDIO E PENSIONE (dal 1° gennaio 2010)",
          "Prestiti contro cessione del quinto dello stipendio e della pensione"}},
    };
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

std::vector<PuntoAndamento> andamento(const SerieUfficiale& s, const TipoOperazione& tipo,
                                      std::optional<double> importo) {
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
            if (!scelta && importo && r.limiti.contiene(*importo)) scelta = &r;
            if (classi == 1 && !importo) scelta = &r;
        }
        if (!scelta || (!importo && classi > 1)) continue;
        out.push_back({p.inizio, p.fineEffettiva, scelta->tegm, scelta->soglia,
                       sogliaSecondoRegola(scelta->tegm, normaDelPeriodo(p.inizio))});
    }
    return out;
}

} // namespace vantrel
