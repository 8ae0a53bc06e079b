#include "account/importa_parole.h"

#include "common/cartella_lavoro.h"
#include "common/intestazione_foglio.h"
#include "common/testo.h"
#include "common/testo_confronto.h"

#include <algorithm>
#include <set>

namespace vantrel {
namespace {

enum class Voce { Ignota, Parola, Tipo };

Voce voceDi(std::string_view intestazione) {
    const std::string k = chiaveTesto(intestazione);
    if (k == "parola" || k == "testo" || k == "descrizione") return Voce::Parola;
    if (k == "tipo" || k == "addebito") return Voce::Tipo;
    return Voce::Ignota;
}

struct Errore {
    std::string testo;
};

ParolaAddebito leggiRiga(const std::vector<CellaFoglio>& celle, const std::vector<Voce>& voci,
                         const std::vector<std::string>& nomi, int riga) {
    ParolaAddebito p{"", TipoAddebito::Nessuno};
    const std::string dove = "riga " + std::to_string(riga) + ", colonna ";
    for (std::size_t c = 0; c < voci.size() && c < celle.size(); ++c) {
        const std::string_view t = trim(celle[c].testo);
        if (voci[c] == Voce::Parola) p.parola = t;
        if (voci[c] != Voce::Tipo || t.empty()) continue;
        const auto tipo = leggiTipoAddebito(t);
        if (!tipo)
            throw Errore{dove + nomi[c] + ": '" + std::string(t) +
                         "' non è un tipo di addebito (interessi, competenze, commissioni o spese)"};
        p.tipo = *tipo;
    }
    if (p.parola.empty()) throw Errore{dove + "Parola: manca la parola"};
    if (p.tipo == TipoAddebito::Nessuno) throw Errore{dove + "Tipo: manca il tipo di addebito"};
    return p;
}

} // namespace

std::optional<TipoAddebito> leggiTipoAddebito(std::string_view testo) {
    static const std::pair<const char*, TipoAddebito> kNomi[] = {{"interessi", TipoAddebito::Interessi},
                                                                 {"interesse", TipoAddebito::Interessi},
                                                                 {"competenze", TipoAddebito::Competenze},
                                                                 {"competenza", TipoAddebito::Competenze},
                                                                 {"commissioni", TipoAddebito::Commissioni},
                                                                 {"commissione", TipoAddebito::Commissioni},
                                                                 {"spese", TipoAddebito::Spese},
                                                                 {"spesa", TipoAddebito::Spese}};
    const std::string k = chiaveTesto(testo);
    for (const auto& [nome, tipo] : kNomi)
        if (k == nome) return tipo;
    return std::nullopt;
}

std::string erroreParole(const std::vector<ParolaAddebito>& parole) {
    std::set<std::string> viste;
    for (const auto& p : parole) {
        const std::string k = minuscoleSenzaAccenti(trim(p.parola));
        if (k.size() < 3)
            return "la parola '" + p.parola + "' è troppo corta (almeno tre lettere): troverebbe anche i movimenti " +
                   "del cliente";
        if (!viste.insert(k).second) return "la parola '" + p.parola + "' è ripetuta";
    }
    return {};
}

ParoleLette leggiParole(RigheFoglio& righe) {
    ParoleLette out;
    std::vector<Voce> voci;
    std::vector<std::string> nomi;
    try {
        if (!trovaIntestazione(righe, voceDi, Voce::Parola, voci, nomi))
            throw Errore{righe.errore().empty() ? "manca la riga di intestazione con la colonna \"Parola\""
                                                : righe.errore()};
        for (std::size_t c = 0; c < voci.size(); ++c)
            if (voci[c] == Voce::Ignota && !nomi[c].empty()) out.ignorate.push_back(nomi[c]);
        std::vector<CellaFoglio> celle;
        int riga = 0;
        while (righe.prossima(celle, riga))
            if (!std::all_of(celle.begin(), celle.end(), [](const auto& c) { return trim(c.testo).empty(); }))
                out.parole.push_back(leggiRiga(celle, voci, nomi, riga));
        if (!righe.errore().empty()) throw Errore{righe.errore()};
        if (std::string e = erroreParole(out.parole); !e.empty()) throw Errore{e};
    } catch (const Errore& e) {
        out.parole.clear();
        out.errore = e.testo;
    }
    return out;
}

std::string csvParole(const ParoleAddebiti& p) {
    std::string s = "Parola;Tipo\n";
    for (const auto& w : p.parole()) {
        accodaCampoCsv(s, w.parola);
        ((s += ';') += nomeTipoAddebito(w.tipo)) += '\n';
    }
    return s;
}

} // namespace vantrel
