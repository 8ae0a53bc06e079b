#include "rates/importa_serie.h"

#include "common/file_esiste.h"
#include "common/servizi.h"
#include "common/testo.h"
#include "rates/fonti_tassi.h"
#include "rates/lettura_serie.h"
#include "rates/riferimento_serie.h"
#include "rates/set_tassi.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <set>

namespace vantrel {
namespace {

constexpr int kSlotTM[] = {1, 2, 3, 4, 6, 7, 8};
constexpr int kSlotTU[] = {1, 2, 3, 4, 6};

// The series' figure, or the stored one when it has more decimals and the series' figure rounds it.
float scelto(float stored, float serie, int decimali) {
    if (decimali == 0 || stored == serie) return serie;
    const double meta = 0.5 * std::pow(10.0, -decimali);
    return std::abs(static_cast<double>(stored) - static_cast<double>(serie)) <= meta + 1e-5
               ? stored
               : serie; // single precision
}

std::string conNumero(int n, const char* singolare, const char* plurale) {
    return std::to_string(n) + " " + (n == 1 ? singolare : plurale);
}

std::string erroreLettura(const std::string& file, const ErroreSerie& e) {
    return file + (e.riga > 0 ? ", " : ": ") + e.messaggio();
}

} // namespace

std::string RiepilogoImportazione::testo() const {
    std::string s = conNumero(nuovi, "periodo nuovo", "periodi nuovi") + ", " +
                    conNumero(modificati, "modificato", "modificati") + ", " +
                    conNumero(invariati, "invariato", "invariati");
    if (assenti > 0) s += ", " + conNumero(assenti, "che non è nella serie", "che non sono nella serie");
    return s;
}

bool unisciPeriodi(TabellaTassi& t, const std::vector<PeriodoDallaSerie>& periodi, RiepilogoImportazione& r,
                   std::string& errore) {
    r = {};
    std::set<std::string> chiavi;
    for (const PeriodoDallaSerie& p : periodi) {
        chiavi.insert(p.chiave);
        const int k = t.cercaPeriodo(p.chiave);
        if (k == 0) {
            const int n = t.validi() + 1;
            if (n > TabellaTassi::kMassimo) {
                errore = "la tabella dei tassi è piena (" + std::to_string(TabellaTassi::kMassimo) +
                         " periodi): il periodo " + p.chiave + " non entra";
                return false;
            }
            t.slot(n) = p.valori;
            t.slot(n).numRec = static_cast<std::int16_t>(n);
            t.numPeriodi = static_cast<std::int16_t>(n);
            ++r.nuovi;
            continue;
        }
        RecordTassi nuovo = t.slot(k);
        for (const int i : kSlotTM)
            nuovo.TM[i] = scelto(nuovo.TM[i], p.valori.TM[i], p.decimaliTM[i]);
        for (const int i : kSlotTU)
            nuovo.TU[i] = scelto(nuovo.TU[i], p.valori.TU[i], p.decimaliTU[i]);
        if (nuovo.TM == t.slot(k).TM && nuovo.TU == t.slot(k).TU) {
            ++r.invariati;
        } else {
            t.slot(k) = nuovo;
            ++r.modificati;
        }
    }
    for (int i = 1; i <= t.validi(); ++i)
        r.assenti += !trim(t.slot(i).periodo).empty() && !chiavi.contains(std::string(trim(t.slot(i).periodo)));
    return true;
}

EsitoImportaSerie importaSerieUfficiale(const std::string& file, const std::string& cartella, const LettoreZip* zip,
                                        const std::function<bool(const RiepilogoImportazione&)>& conferma,
                                        Disco* disco) {
    EsitoImportaSerie esito;
    EsitoSerie letta = leggiFileSerie(file, zip);
    if (!letta.ok()) {
        esito.messaggio = erroreLettura(file, letta.errore);
        return esito;
    }
    const PeriodiDallaSerie periodi = periodiDallaSerie(*letta.serie);
    if (!periodi.errore.empty()) {
        esito.messaggio = file + ", " + periodi.errore;
        return esito;
    }
    // The reference copy is read first: a damaged copy is replaced by the imported series alone.
    const EsitoSerie riferimento = leggiFileSerie(percorso(cartella, kFileSerieUfficiale), nullptr);
    const SerieUfficiale unita = unisciSerie(riferimento.ok() ? &*riferimento.serie : nullptr, *letta.serie);

    std::string errore;
    bool rifiutato = false;
    const auto tabella = modificaSetTassi(
        cartella, disco,
        [&](TabellaTassi& t) {
            if (!unisciPeriodi(t, periodi.periodi, esito.riepilogo, errore)) return false;
            rifiutato = conferma && !conferma(esito.riepilogo);
            return !rifiutato;
        },
        errore);
    if (!tabella) {
        esito.messaggio = rifiutato ? std::string() : errore;
        return esito;
    }
    esito.fatto = true;
    std::map<std::string, std::string> fonti;
    for (const auto& p : periodi.periodi)
        fonti[p.chiave] =
            "serie ufficiale della Banca d'Italia (" + std::filesystem::path(file).filename().string() + ")";
    registraFontiTassi(cartella, fonti); // the rates stand even where their source cannot be noted
    esito.messaggio = "Serie ufficiale importata: " + esito.riepilogo.testo() + ".";
    if (!scriviRiferimentoSerie(cartella, unita, errore))
        esito.messaggio += " La tabella dei tassi è aggiornata, ma la copia della serie ufficiale no: " + errore + ".";
    return esito;
}

bool tabellaDaSerie(const std::vector<std::uint8_t>& contenuto, const LettoreZip* zip, TabellaTassi& tabella,
                    std::string& errore) {
    std::string csv(contenuto.begin(), contenuto.end());
    const bool compresso = contenuto.size() >= 4 && contenuto[0] == 'P' && contenuto[1] == 'K';
    if (compresso) {
        if (zip == nullptr) {
            errore = "il programma non sa aprire l'archivio zip della serie ufficiale";
            return false;
        }
        const auto estratto =
            zip->estraiCsv(std::string_view(reinterpret_cast<const char*>(contenuto.data()), contenuto.size()), errore);
        if (!estratto) return false;
        csv = *estratto;
    }
    const EsitoSerie letta = leggiSerieUfficiale(csv);
    if (!letta.ok()) {
        errore = "la serie ufficiale scaricata non è leggibile: " + letta.errore.messaggio();
        return false;
    }
    const PeriodiDallaSerie periodi = periodiDallaSerie(*letta.serie);
    if (!periodi.errore.empty()) {
        errore = "serie ufficiale scaricata, " + periodi.errore;
        return false;
    }
    tabella = TabellaTassi{};
    RiepilogoImportazione r;
    return unisciPeriodi(tabella, periodi.periodi, r, errore);
}

} // namespace vantrel
