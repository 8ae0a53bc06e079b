#include "rate_windows/soglie_ufficiali.h"

#include "common/file_esiste.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "rates/lettura_serie.h"
#include "rates/riferimento_serie.h"

#include <algorithm>

namespace vantrel {
namespace {

// The result fields, by the key of the figure they show.
struct Campo {
    const char* chiave;
    int ControlliSoglieUfficiali::*controllo;
};
constexpr Campo kRisultati[] = {
    {"tegm", &ControlliSoglieUfficiali::tegm},
    {"regola", &ControlliSoglieUfficiali::regola},
    {"soglia_regola", &ControlliSoglieUfficiali::sogliaRegola},
    {"soglia_pubblicata", &ControlliSoglieUfficiali::sogliaPubblicata},
    {"maggiorazione_mora", &ControlliSoglieUfficiali::maggiorazioneMora},
    {"soglia_mora", &ControlliSoglieUfficiali::sogliaMora},
    {"fonte", &ControlliSoglieUfficiali::fonte},
    {"fonte_mora", &ControlliSoglieUfficiali::fonteMora},
};

constexpr TipoMora kTipiMora[] = {TipoMora::MutuoOltreCinqueAnni, TipoMora::Leasing, TipoMora::AltriFinanziamenti};

Schema creaSchema() {
    Schema s("SoglieUfficiali", "Tassi soglia ufficiali");
    aggiungi(s, ControlliSoglieUfficiali::kRighe);
    s.ordineTab(ordineTab(ControlliSoglieUfficiali::kRighe));
    return s;
}

std::string voceperiodo(const PeriodoSerie& p) {
    return std::to_string(p.inizio.anno) + " " + std::to_string(p.inizio.trimestre()) + "° trim. (" +
           p.inizio.testo().substr(0, 5) + " - " + p.fine.testo().substr(0, 5) + ")";
}

} // namespace

const Schema& SoglieUfficiali::schemaSoglieUfficiali() {
    static const Schema s = creaSchema();
    return s;
}

SoglieUfficiali::SoglieUfficiali(Contesto& ctx)
    : Finestra(schemaSoglieUfficiali()), ctx_(ctx), c_(controlli<ControlliSoglieUfficiali>(schema())) {
    for (const TipoMora t : kTipiMora)
        modifica(c_.tipoMora).voci.push_back(nomeTipoMora(t));
    const std::string file = percorso(ctx_.stato.cartellaDati, kFileSerieUfficiale);
    EsitoSerie letta = leggiFileSerie(file, nullptr);
    if (!letta.ok()) {
        for (int i : {c_.data, c_.periodo, c_.categoria, c_.importo, c_.classe, c_.tipoMora})
            modifica(i).abilitato = false;
        svuota("La serie ufficiale non è disponibile (" + file + ": " + letta.errore.messaggio() +
               "). Importarla dalla finestra dei tassi: menu Tassi, \"Importa serie ufficiale...\".");
        return;
    }
    serie_.emplace(std::move(*letta.serie));
    for (const PeriodoSerie& p : serie_->periodi())
        modifica(c_.periodo).voci.push_back(voceperiodo(p));
    // Today, or the nearest end of the series.
    Data d = ctx_.oggi();
    d = std::clamp(d, serie_->periodi().front().inizio, serie_->periodi().back().fineEffettiva);
    imposta(c_.data, d.testo());
    nuovaData();
}

std::array<int, 8> SoglieUfficiali::risultati() const {
    std::array<int, 8> campi{};
    for (std::size_t f = 0; f < campi.size(); ++f)
        campi[f] = c_.*kRisultati[f].controllo;
    return campi;
}

std::optional<std::string> SoglieUfficiali::tasto(int i, const Battuta& t) {
    if (i == c_.importo) return filtroNumerico(*this, i, t);
    return Finestra::tasto(i, t);
}

void SoglieUfficiali::cambiato(int i) {
    if (i == c_.data) nuovaData();
}

void SoglieUfficiali::uscito(int i) {
    if (i == c_.data) nuovaData();
    if (i == c_.importo && soglia_) sceltaClasse(true);
}

void SoglieUfficiali::cliccato(int i) {
    if (i == c_.chiudi) chiudi();
}

void SoglieUfficiali::selezionato(int i) {
    const int scelta = (*this)[i].selezione;
    if (!serie_ || scelta < 0) return;
    if (i == c_.periodo) {
        imposta(c_.data, serie_->periodi()[static_cast<std::size_t>(scelta)].inizio.testo());
        nuovaData();
    } else if (i == c_.categoria) {
        sceltaCategoria();
    } else if (i == c_.classe) {
        imposta(c_.importo, ""); // the class chosen by hand replaces the amount
        calcola();
    } else if (i == c_.tipoMora) {
        calcola();
    }
}

void SoglieUfficiali::svuota(const std::string& stato) {
    soglia_.reset();
    andamento_.clear();
    for (int i : risultati())
        imposta(i, "");
    imposta(c_.stato, stato);
}

void SoglieUfficiali::nuovaData() {
    if (!serie_) return;
    data_ = vantrel::leggiData(testo(c_.data));
    if (!data_) {
        svuota("Data non valida: usare gg/mm/aaaa.");
        return;
    }
    const PeriodoSerie* p = serie_->periodo(*data_);
    Controllo& periodo = modifica(c_.periodo);
    periodo.selezione = p ? static_cast<int>(p - serie_->periodi().data()) : -1;
    periodo.testo = p ? periodo.voci[static_cast<std::size_t>(periodo.selezione)] : std::string();
    const std::string scelta = (*this)[c_.categoria].testo;
    categorie_ = serie_->categorie(*data_);
    Controllo& c = modifica(c_.categoria);
    c.voci.clear();
    c.selezione = -1;
    c.testo.clear();
    if (categorie_.empty()) {
        modifica(c_.classe).voci.clear();
        svuota("La serie ufficiale non ha tassi per il " + data_->testo() + ": va dal " +
               serie_->periodi().front().inizio.testo() + " al " + serie_->periodi().back().fineEffettiva.testo() +
               ".");
        return;
    }
    // The same category, else the same kind of operation under the name it has on the new date.
    int indice = -1;
    for (std::size_t k = 0; k < categorie_.size(); ++k) {
        c.voci.push_back(categorie_[k].nome);
        if (categorie_[k].nome == scelta) indice = static_cast<int>(k);
    }
    for (std::size_t k = 0; k < categorie_.size() && indice < 0 && tipo_; ++k)
        if (tipo_->comprende(categorie_[k].nome)) indice = static_cast<int>(k);
    c.selezione = std::max(indice, 0);
    c.testo = c.voci[static_cast<std::size_t>(c.selezione)];
    sceltaCategoria();
}

void SoglieUfficiali::sceltaCategoria() {
    const int k = (*this)[c_.categoria].selezione;
    if (k < 0) return;
    const CategoriaInVigore& cat = categorie_[static_cast<std::size_t>(k)];
    if (!tipo_ || !tipo_->comprende(cat.nome)) tipo_ = tipoDiCategoria(cat.nome);
    const TipoMora mora = tipo_ ? tipo_->mora : tipoMoraDiCategoria(cat.nome);
    Controllo& m = modifica(c_.tipoMora);
    m.selezione = static_cast<int>(std::find(std::begin(kTipiMora), std::end(kTipiMora), mora) - kTipiMora);
    m.testo = m.voci[static_cast<std::size_t>(m.selezione)];
    Controllo& classi = modifica(c_.classe);
    const std::string prima = classi.testo;
    classi.voci.clear();
    for (const RigaSerie* r : cat.classi)
        classi.voci.push_back(r->classe);
    const auto stessa = std::find(classi.voci.begin(), classi.voci.end(), prima);
    classi.selezione = stessa == classi.voci.end() ? 0 : static_cast<int>(stessa - classi.voci.begin());
    classi.testo = classi.voci[static_cast<std::size_t>(classi.selezione)];
    sceltaClasse(!trim(testo(c_.importo)).empty());
}

void SoglieUfficiali::sceltaClasse(bool perImporto) {
    const int k = (*this)[c_.categoria].selezione;
    if (k < 0) return;
    std::string stato;
    if (perImporto) {
        const auto importo = leggiNumero(testo(c_.importo));
        const auto& classi = categorie_[static_cast<std::size_t>(k)].classi;
        const auto it = std::find_if(classi.begin(), classi.end(),
                                     [&](const RigaSerie* r) { return importo && r->limiti.contiene(*importo); });
        Controllo& c = modifica(c_.classe);
        if (it != classi.end()) {
            c.selezione = static_cast<int>(it - classi.begin());
            c.testo = c.voci[static_cast<std::size_t>(c.selezione)];
        } else if (!trim(testo(c_.importo)).empty()) {
            stato = "Nessuna classe della categoria comprende l'importo indicato: scegliere la classe.";
        }
    }
    calcola();
    if (!stato.empty()) imposta(c_.stato, stato);
}

void SoglieUfficiali::calcola() {
    const int k = (*this)[c_.categoria].selezione;
    const int c = (*this)[c_.classe].selezione;
    const int m = (*this)[c_.tipoMora].selezione;
    if (k < 0 || c < 0 || m < 0) return;
    const RigaSerie& r = *categorie_[static_cast<std::size_t>(k)].classi[static_cast<std::size_t>(c)];
    soglia_ = sogliaUfficiale(r, kTipiMora[m]);
    const auto campi = risultati();
    for (const VoceSoglia& v : vociSoglia(*soglia_))
        for (std::size_t f = 0; f < std::size(kRisultati); ++f)
            if (std::string_view(kRisultati[f].chiave) == v.chiave) imposta(campi[f], v.testo);
    imposta(c_.stato, "");
    // The chart follows the class by an amount it holds: the one typed, else the class's upper
    // limit (just above its lower limit when it has none).
    std::optional<double> importo = leggiNumero(testo(c_.importo));
    if (!importo)
        importo = r.limiti.finoA   ? r.limiti.finoA
                  : r.limiti.oltre ? std::optional(*r.limiti.oltre + 0.01)
                                   : std::nullopt;
    andamento_ = tipo_ ? vantrel::andamento(*serie_, *tipo_, importo) : std::vector<PuntoAndamento>{};
}

} // namespace vantrel
