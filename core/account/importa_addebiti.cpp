#include "account/importa_addebiti.h"

#include "common/data_cella.h"
#include "common/intestazione_foglio.h"
#include "common/testo.h"
#include "common/testo_confronto.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr int kIgnota = -2, kData = -1; // the other columns are the kinds, 0..3

int voceDi(std::string_view intestazione) {
    const std::string k = chiaveTesto(intestazione);
    if (k == "data" || k == "periodo" || k == "giorno" || k == "al" || k == "fine periodo") return kData;
    if (k == "cms" || k == "commissione") return 2;
    for (std::size_t t = 0; t < kTipiAddebito; ++t)
        if (k == chiaveTesto(kTitoliAddebiti[t])) return static_cast<int>(t);
    return kIgnota;
}

struct Errore {
    std::string testo;
};

AddebitiInseriti leggiRiga(const std::vector<CellaFoglio>& celle, const std::vector<int>& voci,
                           const std::vector<std::string>& nomi, int riga) {
    AddebitiInseriti a;
    bool data = false;
    const std::string dove = "riga " + std::to_string(riga) + ", colonna ";
    for (std::size_t c = 0; c < voci.size() && c < celle.size(); ++c) {
        const std::string_view t = trim(celle[c].testo);
        if (t.empty() || voci[c] == kIgnota) continue;
        if (voci[c] == kData) {
            const auto d = leggiDataCella(t);
            if (!d) throw Errore{dove + nomi[c] + ": '" + std::string(t) + "' non è una data (gg/mm/aaaa)"};
            a.giorno = *d;
            data = true;
            continue;
        }
        const auto x = leggiCentesimi(t);
        if (!x) throw Errore{dove + nomi[c] + ": '" + std::string(t) + "' non è un importo"};
        a.importi[static_cast<std::size_t>(voci[c])] = *x;
    }
    if (!data) throw Errore{dove + "Data: manca la data del periodo"};
    return a;
}

} // namespace

std::string erroreAddebitiInseriti(const std::vector<AddebitiInseriti>& a) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (a[i].giorno == a[j].giorno) return "il " + a[i].giorno.testo() + " è indicato due volte";
    return {};
}

AddebitiLetti leggiAddebitiInseriti(RigheFoglio& righe) {
    AddebitiLetti out;
    std::vector<int> voci;
    std::vector<std::string> nomi;
    try {
        if (!trovaIntestazione(righe, voceDi, kData, voci, nomi))
            throw Errore{righe.errore().empty() ? "manca la riga di intestazione con la colonna \"Data\""
                                                : righe.errore()};
        for (std::size_t c = 0; c < voci.size(); ++c)
            if (voci[c] == kIgnota && !nomi[c].empty()) out.ignorate.push_back(nomi[c]);
        std::vector<CellaFoglio> celle;
        int riga = 0;
        while (righe.prossima(celle, riga))
            if (!std::all_of(celle.begin(), celle.end(), [](const auto& c) { return trim(c.testo).empty(); }))
                out.righe.push_back(leggiRiga(celle, voci, nomi, riga));
        if (!righe.errore().empty()) throw Errore{righe.errore()};
        if (std::string e = erroreAddebitiInseriti(out.righe); !e.empty()) throw Errore{e};
        std::stable_sort(out.righe.begin(), out.righe.end(),
                         [](const auto& x, const auto& y) { return x.giorno < y.giorno; });
    } catch (const Errore& e) {
        out.righe.clear();
        out.errore = e.testo;
    }
    return out;
}

std::string csvAddebitiInseriti(const std::vector<AddebitiInseriti>& a) {
    std::string s = "Data";
    for (const char* t : kTitoliAddebiti)
        (s += ';') += t;
    s += '\n';
    for (const auto& x : a) {
        s += x.giorno.testo();
        for (Centesimi c : x.importi)
            (s += ';') += testoCentesimi(c);
        s += '\n';
    }
    return s;
}

} // namespace vantrel
