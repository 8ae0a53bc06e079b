#include "account/importa_condizioni.h"

#include "common/data_cella.h"
#include "common/testo.h"
#include "common/testo_confronto.h"

#include <algorithm>

namespace vantrel {
namespace {

enum class Voce {
    Ignota,
    Dal,
    Fido,
    Debitore,
    Extrafido,
    Creditore,
    Cms,
    CommissioneFido,
    Sconfinamento,
    SpeseOperazione,
    SpesePeriodo,
    Liquidazione,
    Divisore,
    Ritenuta
};

struct Alias {
    const char* chiave;
    Voce voce;
};

constexpr Alias kIntestazioni[] = {
    {"dal", Voce::Dal},
    {"data", Voce::Dal},
    {"valido dal", Voce::Dal},
    {"in vigore dal", Voce::Dal},
    {"fido", Voce::Fido},
    {"accordato", Voce::Fido},
    {"tasso debitore", Voce::Debitore},
    {"tasso entro fido", Voce::Debitore},
    {"tasso extrafido", Voce::Extrafido},
    {"tasso oltre fido", Voce::Extrafido},
    {"tasso sconfinamento", Voce::Extrafido},
    {"tasso creditore", Voce::Creditore},
    {"cms", Voce::Cms},
    {"commissione massimo scoperto", Voce::Cms},
    {"commissione fido", Voce::CommissioneFido},
    {"cdf", Voce::CommissioneFido},
    {"commissione messa a disposizione fondi", Voce::CommissioneFido},
    {"commissione sconfinamento", Voce::Sconfinamento},
    {"civ", Voce::Sconfinamento},
    {"commissione istruttoria veloce", Voce::Sconfinamento},
    {"spese operazione", Voce::SpeseOperazione},
    {"spese per operazione", Voce::SpeseOperazione},
    {"spese periodo", Voce::SpesePeriodo},
    {"spese fisse", Voce::SpesePeriodo},
    {"spese liquidazione", Voce::SpesePeriodo},
    {"liquidazione", Voce::Liquidazione},
    {"periodicita", Voce::Liquidazione},
    {"divisore", Voce::Divisore},
    {"ritenuta", Voce::Ritenuta},
};

Voce voceDi(std::string_view intestazione) {
    const std::string k = chiaveTesto(intestazione);
    for (const Alias& a : kIntestazioni)
        if (k == a.chiave) return a.voce;
    return Voce::Ignota;
}

struct Errore {
    std::string colonna, testo;
};

// Reads cell `t` into the field of row `r` that `v` names; throws Errore without the column.
void leggiCella(Voce v, std::string_view t, RigaCondizioni& r) {
    const auto importo = [&](Centesimi& x) {
        const auto c = leggiCentesimi(t);
        if (!c || *c < 0) throw Errore{"", "'" + std::string(t) + "' non è un importo"};
        x = *c;
    };
    const auto tasso = [&](TassoDecimale& x) {
        const auto c = leggiTasso(t);
        if (!c) throw Errore{"", "'" + std::string(t) + "' non è un tasso (es. 9,5)"};
        x = *c;
    };
    switch (v) {
    case Voce::Dal: {
        const auto d = leggiDataCella(t);
        if (!d) throw Errore{"", "'" + std::string(t) + "' non è una data (gg/mm/aaaa)"};
        r.dal = *d;
        break;
    }
    case Voce::Fido:
        return importo(r.fido);
    case Voce::Debitore:
        return tasso(r.tassoDebitore);
    case Voce::Extrafido:
        return tasso(r.tassoExtrafido);
    case Voce::Creditore:
        return tasso(r.tassoCreditore);
    case Voce::Cms:
        return tasso(r.cms);
    case Voce::CommissioneFido:
        return tasso(r.commissioneFido);
    case Voce::Sconfinamento:
        return importo(r.commissioneSconfinamento);
    case Voce::SpeseOperazione:
        return importo(r.speseOperazione);
    case Voce::SpesePeriodo:
        return importo(r.spesePeriodo);
    case Voce::Liquidazione: {
        const auto l = leggiLiquidazione(t);
        if (!l) throw Errore{"", "'" + std::string(t) + "' non è trimestrale, semestrale o annuale"};
        r.liquidazione = *l;
        break;
    }
    case Voce::Divisore:
        if (t != "365" && t != "360") throw Errore{"", "'" + std::string(t) + "' non è 365 o 360"};
        r.divisore = t == "365" ? 365 : 360;
        break;
    case Voce::Ritenuta:
        if (chiaveTesto(t) == "di legge") {
            r.ritenuta.reset();
        } else {
            TassoDecimale x = 0;
            tasso(x);
            r.ritenuta = x;
        }
        break;
    default:
        break;
    }
}

} // namespace

CondizioniLette leggiCondizioni(RigheFoglio& righe) {
    CondizioniLette out;
    std::vector<CellaFoglio> celle;
    std::vector<Voce> voci;
    std::vector<std::string> nomi;
    int riga = 0;
    try {
        while (voci.empty() && righe.prossima(celle, riga)) {
            for (const auto& c : celle)
                nomi.emplace_back(trim(c.testo));
            for (const auto& n : nomi)
                voci.push_back(voceDi(n));
            if (std::find(voci.begin(), voci.end(), Voce::Dal) == voci.end()) {
                voci.clear();
                nomi.clear();
            }
        }
        if (voci.empty()) throw Errore{"", "manca la riga di intestazione con la colonna \"Dal\""};
        for (std::size_t c = 0; c < voci.size(); ++c)
            if (voci[c] == Voce::Ignota && !nomi[c].empty()) out.ignorate.push_back(nomi[c]);
        RigaCondizioni prima;
        while (righe.prossima(celle, riga)) {
            if (std::all_of(celle.begin(), celle.end(), [](const auto& c) { return trim(c.testo).empty(); })) continue;
            RigaCondizioni r = prima;
            bool data = false;
            for (std::size_t c = 0; c < voci.size() && c < celle.size(); ++c) {
                const std::string_view t = trim(celle[c].testo);
                if (t.empty() || voci[c] == Voce::Ignota) continue;
                try {
                    leggiCella(voci[c], t, r);
                } catch (Errore& e) {
                    throw Errore{"riga " + std::to_string(riga) + ", colonna " + nomi[c], e.testo};
                }
                data = data || voci[c] == Voce::Dal;
            }
            if (!data) throw Errore{"riga " + std::to_string(riga) + ", colonna Dal", "manca la data"};
            out.righe.push_back(r);
            prima = r;
        }
        if (!righe.errore().empty()) throw Errore{"", righe.errore()};
        if (std::string e = erroreCondizioni(out.righe); !e.empty()) throw Errore{"", e};
    } catch (const Errore& e) {
        out.righe.clear();
        out.errore = e.colonna.empty() ? e.testo : e.colonna + ": " + e.testo;
    }
    return out;
}

std::string csvCondizioni(const std::vector<RigaCondizioni>& righe) {
    std::string s = "Dal;Fido;Tasso debitore;Tasso extrafido;Tasso creditore;CMS;Commissione fido;"
                    "Commissione sconfinamento;Spese operazione;Spese periodo;Liquidazione;Divisore;Ritenuta\n";
    for (const RigaCondizioni& r : righe) {
        for (const std::string& cella :
             {r.dal.testo(), testoCentesimi(r.fido), testoTasso(r.tassoDebitore), testoTasso(r.tassoExtrafido),
              testoTasso(r.tassoCreditore), testoTasso(r.cms), testoTasso(r.commissioneFido),
              testoCentesimi(r.commissioneSconfinamento), testoCentesimi(r.speseOperazione),
              testoCentesimi(r.spesePeriodo), testoLiquidazione(r.liquidazione), std::to_string(r.divisore)})
            (s += cella) += ';';
        (s += r.ritenuta ? testoTasso(*r.ritenuta) : "di legge") += '\n';
    }
    return s;
}

} // namespace vantrel
