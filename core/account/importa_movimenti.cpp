#include "account/importa_movimenti.h"

#include "common/data_cella.h"
#include "common/testo.h"
#include "common/testo_confronto.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

struct Alias {
    const char* chiave;
    RuoloColonna ruolo;
};

// Headers as compared (chiaveTesto). "valuta" alone may be a currency column: see valutaComeData.
constexpr Alias kIntestazioni[] = {
    {"data operazione", RuoloColonna::DataOperazione},
    {"data contabile", RuoloColonna::DataOperazione},
    {"data registrazione", RuoloColonna::DataOperazione},
    {"data contabilizzazione", RuoloColonna::DataOperazione},
    {"data", RuoloColonna::DataOperazione},
    {"data valuta", RuoloColonna::DataValuta},
    {"valuta", RuoloColonna::DataValuta},
    {"descrizione", RuoloColonna::Descrizione},
    {"causale", RuoloColonna::Descrizione},
    {"descrizione operazione", RuoloColonna::Descrizione},
    {"descrizione estesa", RuoloColonna::Descrizione},
    {"operazione", RuoloColonna::Descrizione},
    {"dettagli", RuoloColonna::Descrizione},
    {"dare", RuoloColonna::Dare},
    {"addebiti", RuoloColonna::Dare},
    {"addebito", RuoloColonna::Dare},
    {"uscite", RuoloColonna::Dare},
    {"avere", RuoloColonna::Avere},
    {"accrediti", RuoloColonna::Avere},
    {"accredito", RuoloColonna::Avere},
    {"entrate", RuoloColonna::Avere},
    {"importo", RuoloColonna::Importo},
    {"importo eur", RuoloColonna::Importo},
    {"importo euro", RuoloColonna::Importo},
    {"importo in euro", RuoloColonna::Importo},
};

constexpr int kRigheTitolo = 30;
// Dates outside these years are typing errors, not movements (and would stretch the scalare).
constexpr int kPrimoAnno = 1950, kUltimoAnno = 2100;

RuoloColonna ruoloDi(std::string_view intestazione) {
    const std::string k = chiaveTesto(intestazione);
    for (const Alias& a : kIntestazioni)
        if (k == a.chiave) return a.ruolo;
    return RuoloColonna::Ignota;
}

struct Errore {
    int riga;
    std::string colonna, testo;
};

class Lettore {
public:
    Lettore(RigheFoglio& r, LetturaMovimenti& l) : righe_(r), l_(l) {}
    void intestazione();
    bool prossimo(Movimento& m);

private:
    bool haRuolo(RuoloColonna r) const;
    void controllaColonne(int riga);
    void valutaComeData();
    std::string nome(std::size_t c) const;
    Errore errore(std::size_t c, const std::string& cosa) const;
    Data data(std::size_t c) const;
    Centesimi importo(std::size_t c) const;

    RigheFoglio& righe_;
    LetturaMovimenti& l_;
    std::vector<CellaFoglio> celle_;
    int riga_ = 0;
    bool primaRiga_ = true;
};

bool Lettore::haRuolo(RuoloColonna r) const {
    return std::any_of(l_.colonne.begin(), l_.colonne.end(), [&](const auto& c) { return c.ruolo == r; });
}

std::string Lettore::nome(std::size_t c) const {
    if (c < l_.colonne.size() && !trim(l_.colonne[c].intestazione).empty()) return l_.colonne[c].intestazione;
    return std::to_string(c + 1);
}

Errore Lettore::errore(std::size_t c, const std::string& cosa) const {
    const std::string t = c < celle_.size() ? std::string(trim(celle_[c].testo)) : std::string();
    return {riga_, nome(c), t.empty() ? cosa : "'" + t + "' " + cosa};
}

void Lettore::intestazione() {
    while (riga_ < kRigheTitolo && righe_.prossima(celle_, riga_)) {
        std::vector<ColonnaMovimenti> colonne;
        for (const auto& c : celle_)
            colonne.push_back({std::string(trim(c.testo)), ruoloDi(c.testo), {}});
        l_.colonne = std::move(colonne);
        if (haRuolo(RuoloColonna::DataOperazione) &&
            (haRuolo(RuoloColonna::Importo) || haRuolo(RuoloColonna::Dare) || haRuolo(RuoloColonna::Avere))) {
            l_.rigaIntestazione = riga_;
            controllaColonne(riga_);
            return;
        }
    }
    if (!righe_.errore().empty()) throw Errore{0, "", righe_.errore()};
    l_.colonne.clear();
    throw Errore{0, "",
                 "manca la riga di intestazione: servono una colonna \"Data operazione\" (o \"Data contabile\", "
                 "\"Data\") e una \"Importo\" o \"Dare\"/\"Avere\""};
}

void Lettore::controllaColonne(int riga) {
    for (std::size_t c = 0; c < l_.colonne.size(); ++c) {
        const RuoloColonna r = l_.colonne[c].ruolo;
        if (r == RuoloColonna::Ignota || r == RuoloColonna::Descrizione) continue;
        for (std::size_t d = 0; d < c; ++d)
            if (l_.colonne[d].ruolo == r)
                throw Errore{riga, nome(c), "colonna ripetuta: i suoi dati sono già nella colonna " + nome(d)};
    }
    if (haRuolo(RuoloColonna::Importo) && (haRuolo(RuoloColonna::Dare) || haRuolo(RuoloColonna::Avere)))
        throw Errore{riga, "", "il file ha sia \"Importo\" sia \"Dare\"/\"Avere\": ne serve uno solo"};
}

// A column headed "Valuta" whose first cell is a currency code ("EUR"), not a date, is left aside.
void Lettore::valutaComeData() {
    for (std::size_t c = 0; c < l_.colonne.size() && c < celle_.size(); ++c) {
        auto& col = l_.colonne[c];
        const std::string_view t = trim(celle_[c].testo);
        if (col.ruolo == RuoloColonna::DataValuta && chiaveTesto(col.intestazione) == "valuta" && !celle_[c].numero &&
            !t.empty() && !leggiDataCella(t))
            col.ruolo = RuoloColonna::Ignota;
    }
}

Data Lettore::data(std::size_t c) const {
    const CellaFoglio& cella = celle_[c];
    std::optional<Data> d;
    if (cella.numero && *cella.numero >= 1 && *cella.numero < 2958466) // a workbook's date serial
        d = Data::daNumero(static_cast<long>(std::floor(*cella.numero)));
    else if (!cella.numero)
        d = leggiDataCella(cella.testo);
    if (!d) throw errore(c, "non è una data (gg/mm/aaaa o aaaa-mm-gg)");
    if (d->anno < kPrimoAnno || d->anno > kUltimoAnno) throw errore(c, "è fuori dagli anni di un conto");
    return *d;
}

Centesimi Lettore::importo(std::size_t c) const {
    const CellaFoglio& cella = celle_[c];
    if (cella.numero) {
        if (std::fabs(*cella.numero) >= 1e12) throw errore(c, "è un importo troppo grande");
        return std::llround(*cella.numero * 100);
    }
    const auto v = leggiCentesimi(cella.testo);
    if (!v) throw errore(c, "non è un importo");
    return *v;
}

bool Lettore::prossimo(Movimento& m) {
    do {
        if (!righe_.prossima(celle_, riga_)) {
            if (!righe_.errore().empty()) throw Errore{0, "", righe_.errore()};
            return false;
        }
    } while (std::all_of(celle_.begin(), celle_.end(), [](const auto& c) { return trim(c.testo).empty(); }));
    if (primaRiga_) {
        valutaComeData();
        for (std::size_t c = 0; c < l_.colonne.size() && c < celle_.size(); ++c)
            l_.colonne[c].esempio = trim(celle_[c].testo);
    }
    primaRiga_ = false;
    for (std::size_t c = l_.colonne.size(); c < celle_.size(); ++c)
        if (!trim(celle_[c].testo).empty())
            throw Errore{riga_, std::to_string(c + 1),
                         "la riga ha più celle dell'intestazione (" + std::to_string(l_.colonne.size()) + ")"};
    celle_.resize(l_.colonne.size());
    m = Movimento{};
    bool valuta = false, haImporto = false;
    for (std::size_t c = 0; c < l_.colonne.size(); ++c) {
        const RuoloColonna r = l_.colonne[c].ruolo;
        const bool vuota = trim(celle_[c].testo).empty() && !celle_[c].numero;
        if (r == RuoloColonna::DataOperazione) {
            if (vuota) throw errore(c, "manca la data");
            m.operazione = data(c);
        } else if (r == RuoloColonna::DataValuta && !vuota) {
            m.valuta = data(c);
            valuta = true;
        } else if (r == RuoloColonna::Descrizione && !vuota) {
            std::string t(trim(celle_[c].testo));
            std::replace_if(
                t.begin(), t.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
            m.descrizione += (m.descrizione.empty() ? "" : " ") + t;
        } else if ((r == RuoloColonna::Dare || r == RuoloColonna::Avere || r == RuoloColonna::Importo) && !vuota) {
            const Centesimi v = importo(c);
            m.importo += r == RuoloColonna::Importo ? v : r == RuoloColonna::Avere ? std::llabs(v) : -std::llabs(v);
            haImporto = true;
        }
    }
    if (!haImporto) throw Errore{riga_, "", "manca l'importo"};
    if (!valuta) {
        m.valuta = m.operazione;
        ++l_.senzaValuta;
    }
    return true;
}

void annota(LetturaMovimenti& l, const Movimento& m) {
    if (l.primi.size() < LetturaMovimenti::kPrimi) l.primi.push_back(m);
    ++l.movimenti;
    (m.importo < 0 ? l.addebiti : l.accrediti) += m.importo;
    if (!l.primaData || m.operazione < *l.primaData) l.primaData = m.operazione;
    if (!l.ultimaData || *l.ultimaData < m.operazione) l.ultimaData = m.operazione;
}

} // namespace

std::string descrizioneRuolo(RuoloColonna r) {
    switch (r) {
    case RuoloColonna::DataOperazione:
        return "data operazione";
    case RuoloColonna::DataValuta:
        return "data valuta";
    case RuoloColonna::Descrizione:
        return "descrizione";
    case RuoloColonna::Dare:
        return "dare (addebiti)";
    case RuoloColonna::Avere:
        return "avere (accrediti)";
    case RuoloColonna::Importo:
        return "importo con segno";
    default:
        return "ignorata";
    }
}

LetturaMovimenti leggiMovimenti(RigheFoglio& righe, const std::function<void(const Movimento&)>& ricevi) {
    LetturaMovimenti l;
    Lettore lettore(righe, l);
    try {
        lettore.intestazione();
        for (Movimento m; lettore.prossimo(m);) {
            annota(l, m);
            if (ricevi) ricevi(m);
        }
    } catch (const Errore& e) {
        std::string dove = e.riga > 0 ? "riga " + std::to_string(e.riga) : "";
        if (!e.colonna.empty()) dove += (dove.empty() ? "" : ", ") + std::string("colonna ") + e.colonna;
        l.errore = dove.empty() ? e.testo : dove + ": " + e.testo;
    }
    return l;
}

} // namespace vantrel
