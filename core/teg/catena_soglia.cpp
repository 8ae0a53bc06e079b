#include "teg/catena_soglia.h"

#include "common/numeri.h"

namespace vantrel {
namespace {

constexpr std::size_t kRientro = 30;
constexpr std::size_t kLarghezzaValore = 66;

const std::string kTratteggio = "   ------------------------------------------------------------------------";

// The factor of the formulas and why: the year of the period, unless the settings ask for 365 days.
std::string giorniAnno(const CatenaSoglia& c) {
    const std::string fattore = c.giorniAnno == "36600" ? "36.600" : "36.500";
    if (c.sempre365) return fattore + ": impostazione \"Divisore dell'anno: 36.500 sempre\"";
    return fattore + ": il " + std::to_string(c.anno) + (bisestile(c.anno) ? " è" : " non è") + " bisestile";
}

} // namespace

void voce(std::vector<std::string>& r, const std::string& etichetta, std::string valore) {
    std::string riga = "   " + etichetta;
    riga.resize(kRientro, ' ');
    while (valore.size() > kLarghezzaValore) {
        std::size_t taglio = valore.rfind(' ', kLarghezzaValore);
        if (taglio == std::string::npos || taglio == 0) taglio = kLarghezzaValore;
        r.push_back(riga + valore.substr(0, taglio));
        valore.erase(0, taglio + (valore[taglio] == ' ' ? 1 : 0));
        riga.assign(kRientro, ' ');
    }
    r.push_back(riga + valore);
}

std::string avvisoACavallo(const Data& inizio, const std::string& fine) {
    return "Il periodo dal " + inizio.testo() + " al " + fine +
           " comprende il 14/05/2011, data della nuova norma: si applica il tasso soglia pubblicato per il "
           "trimestre (vecchia norma, tasso medio x 1,5).";
}

std::vector<std::string> righeCatenaSoglia(const CatenaSoglia& c, const std::string& fonte) {
    std::vector<std::string> r = {"   CALCOLO DEL TASSO SOGLIA", "  "};
    if (!c.calcolata) {
        r.push_back("   Nessun tasso soglia calcolato.");
        r.insert(r.end(), {"  ", kTratteggio, "  "});
        return r;
    }
    voce(r, "Trimestre", std::to_string(c.trimestre) + "° trimestre " + std::to_string(c.anno));
    voce(r, "Categoria", c.categoria);
    if (!c.categoriaUfficiale.empty()) voce(r, "", "categoria ufficiale: " + c.categoriaUfficiale);
    voce(r, "Classe d'importo", std::to_string(c.classe) + "° scaglione, " + c.classeTesto);
    if (!c.accordato.empty()) voce(r, "", "(accordato " + c.accordato + ")");
    if (!c.trovato) {
        voce(r, "Tassi medi (TEGM)", "trimestre assente dalla tabella dei tassi");
    } else {
        std::string medie;
        for (std::size_t k = 0; k < c.medie.size(); ++k)
            medie += (k ? "   " : "") + std::to_string(k + 1) + "° sc. " + c.medie[k];
        voce(r, "Tassi medi (TEGM) letti", medie);
    }
    const std::string nome = c.norma == Norma::Vecchia ? "vecchia norma" : "nuova norma";
    std::string norma = nome + (c.perData ? ", secondo la data del periodo" : ", scelta dall'utente");
    voce(r, "Norma", norma);
    if (c.aCavallo && c.perData) voce(r, "", "(periodo a cavallo del 14/05/2011: soglia del trimestre)");
    const std::size_t k = static_cast<std::size_t>(c.classe - 1);
    const auto media = c.trovato && k < c.medie.size() ? TassoEsatto::leggi(c.medie[k]) : std::nullopt;
    if (media) {
        voce(r, "Formula",
             c.norma == Norma::Vecchia ? "tasso medio x 1,5" : "tasso medio x 1,25 + 4, al massimo tasso medio + 8");
        voce(r, "", formulaSoglia(*media, c.norma));
    }
    voce(r, "Tasso soglia", c.soglia.empty() ? "non determinato" : c.soglia + " (esatto, secondo la regola)");
    voce(r, "Soglia pubblicata",
         c.sogliaPubblicata.empty() ? "non disponibile (serie ufficiale assente o senza la categoria)"
                                    : c.sogliaPubblicata + " (" + c.classeUfficiale + ")");
    voce(r, "Fonte dei tassi", fonte);
    voce(r, "Giorni dell'anno", giorniAnno(c));
    r.insert(r.end(), {"  ", kTratteggio, "  "});
    return r;
}

} // namespace vantrel
