#include "rates/avvisi_tassi.h"

#include "common/testo.h"

#include <algorithm>
#include <optional>

namespace vantrel {
namespace {

std::string trimestre(int q, std::string_view anno) {
    return std::to_string(q) + "° trimestre " + std::string(anno);
}

const char* const kSogliaIndeterminata = ", quindi il tasso soglia del periodo non è determinato e il supero non è "
                                         "calcolato. ";

// The year of a stored key: characters 2 to 5, or the four digits of a key saved without quarter.
std::optional<int> annoDelPeriodo(std::string_view periodo) {
    const std::string_view k = trim(periodo);
    const std::string_view a = k.size() == 5 ? k.substr(1) : k;
    if (a.size() != 4) return std::nullopt;
    int anno = 0;
    for (char c : a) {
        if (c < '0' || c > '9') return std::nullopt;
        anno = anno * 10 + (c - '0');
    }
    return anno >= 1000 ? std::optional<int>(anno) : std::nullopt;
}

} // namespace

std::string doveTrovareITassi() {
    return "Per avere i tassi: nella finestra \"tassi usura\" scarica il set di tassi dal server oppure scegli "
           "\"Importa serie ufficiale...\" con il file TEGM_serie_storica.zip pubblicato dalla Banca d'Italia; "
           "da riga di comando: vantrel-cli tassi importa-serie FILE.zip.";
}

std::string avvisoTabellaTassi(const TabellaTassi& t) {
    switch (t.stato()) {
    case StatoTassi::Caricata:
        return {};
    case StatoTassi::Assente:
        return std::string("La tabella dei tassi non è presente: nella cartella del programma mancano i file ") +
               kFileTassi + " e " + kFileNumeroTassi + ", quindi nessun tasso soglia può essere determinato. " +
               doveTrovareITassi();
    case StatoTassi::Vuota:
        return "La tabella dei tassi è vuota: non contiene alcun trimestre, quindi nessun tasso soglia può essere "
               "determinato. " +
               doveTrovareITassi();
    case StatoTassi::Illeggibile:
        return "La tabella dei tassi è danneggiata (" + t.difetto() +
               "): i trimestri che non si possono leggere non sono usati e per essi il tasso soglia non può essere "
               "determinato. " +
               doveTrovareITassi();
    }
    return {};
}

std::string avvisoTrimestreSenzaTassi(const TabellaTassi& t, int q, std::string_view anno) {
    std::string s = "Tassi del trimestre non disponibili: la tabella dei tassi non contiene il " + trimestre(q, anno) +
                    kSogliaIndeterminata;
    if (t.stato() == StatoTassi::Illeggibile)
        s += "La tabella dei tassi è danneggiata (" + t.difetto() + "). ";
    else if (t.validi() == 0)
        s += t.stato() == StatoTassi::Assente ? "La tabella dei tassi non è presente. "
                                              : "La tabella dei tassi è vuota. ";
    return s + doveTrovareITassi();
}

std::string avvisoCategoriaSenzaTasso(int q, std::string_view anno, std::string_view categoria) {
    return "Tassi del trimestre non disponibili: per il " + trimestre(q, anno) +
           " la tabella dei tassi non riporta il tasso medio della categoria \"" + std::string(categoria) +
           "\" per la classe d'importo del periodo" + kSogliaIndeterminata + doveTrovareITassi();
}

std::pair<int, int> anniElenco(const TabellaTassi& t, int primo, int annoCorrente) {
    int ultimo = annoCorrente;
    for (int i = 1; i <= t.validi(); ++i)
        if (const auto a = annoDelPeriodo(t.slot(i).periodo); a && *a >= 1900 && *a <= annoCorrente + 10) {
            primo = std::min(primo, *a);
            ultimo = std::max(ultimo, *a);
        }
    return {primo, ultimo + 1};
}

} // namespace vantrel
