#include "loan/verifica_usura.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "loan/formule_mutuo.h"
#include "loan/pannello_mutuo.h"
#include "loan/teg_usura.h"
#include "rates/lettura_serie.h"
#include "rates/riferimento_serie.h"
#include "rates/soglia_ufficiale.h"

#include <cmath>

namespace vantrel {
namespace {

/// A kind of operation and the words of its official category, newest naming first: the series
/// renamed and split its categories over the years (a single leasing category up to 2009, one
/// real-estate leasing up to 31/03/2011), so the next words are tried when a date has no match.
struct TipoOperazione {
    const char* nome;
    std::vector<const char*> parole;
    bool mutuo = false;
    bool leasing = false;
};

const std::vector<TipoOperazione>& tipi() {
    static const std::vector<TipoOperazione> t = {
        {"Mutuo ipotecario a tasso fisso", {"mutui ipotecari a tasso fisso"}, true, false},
        {"Mutuo ipotecario a tasso variabile", {"mutui ipotecari a tasso variabile"}, true, false},
        {"Credito personale", {"credito personale"}},
        {"Cessione del quinto dello stipendio e della pensione", {"cessione del quinto dello stipendio"}},
        {"Credito finalizzato", {"credito finalizzato"}},
        {"Leasing immobiliare a tasso fisso",
         {"leasing immobiliare a tasso fisso", "leasing immobiliare", "leasing"},
         false,
         true},
        {"Leasing immobiliare a tasso variabile",
         {"leasing immobiliare a tasso variabile", "leasing immobiliare", "leasing"},
         false,
         true},
        {"Leasing strumentale", {"leasing strumentale", "leasing"}, false, true},
        {"Leasing autoveicoli e aeronavali", {"leasing autoveicoli aeronavali", "leasing"}, false, true},
        {"Altri finanziamenti", {"altri finanziamenti"}},
    };
    return t;
}

std::string percento(double x) {
    return formatta(x, "#,##0.0000");
}

std::string verdetto(double tasso, double soglia) {
    if (tasso <= soglia) return "entro la soglia";
    return "oltre la soglia di " + percento(tasso - soglia) + " punti";
}

// The block the plan print carries: the threshold used, where it comes from, the loan's TEG.
std::vector<std::string> righeVerifica(const Data& contratto, const RigaSerie& r, const SogliaUfficiale& su,
                                       const CostiMutuo& costi, const EsitoUsuraMutuo& e) {
    return {"VERIFICA USURA",
            "Data del contratto: " + contratto.testo() + "  -  trimestre " + r.inizio.testo() + " - " + r.fine.testo(),
            "Categoria: " + r.categoria,
            "Classe: " + r.classe,
            "TEGM: " + r.tegm.testo() + "  -  " + nomeNorma(su.regola) + ": " + formulaNorma(su.regola),
            "Soglia: " + e.soglia + " (pubblicata: " + e.sogliaPubblicata + ")",
            "Fonte: " + descrizioneFonte(r.fonte),
            "Costi nel TEG: spese iniziali " + formatta(costi.speseIniziali, maschere::euro) + ", assicurazione " +
                formatta(costi.assicurazione, maschere::euro) + ", mediazione " +
                formatta(costi.mediazione, maschere::euro) + ", spese per rata " +
                formatta(costi.spesePerRata, maschere::euro),
            "TEG del mutuo: " + e.tegUsura + "  -  " + e.esito};
}

} // namespace

const std::vector<std::string>& VerificaUsura::tipiOperazione() {
    static const std::vector<std::string> nomi = [] {
        std::vector<std::string> v;
        for (const auto& t : tipi())
            v.emplace_back(t.nome);
        return v;
    }();
    return nomi;
}

VerificaUsura::VerificaUsura(Finestra& f, Contesto& ctx, const PannelloMutuo& mutuo)
    : f_(f), ctx_(ctx), mutuo_(mutuo), c_(controlli<ControlliVerificaUsura>(f.schema())),
      m_(controlli<ControlliMutuo>(f.schema())) {}

double VerificaUsura::numero(int id) const {
    return leggiNumero(f_.testo(id)).value_or(0);
}

void VerificaUsura::carica() {
    esito_ = {};
    modifica(f_, c_.tipoOperazione).voci = tipiOperazione();
    modifica(f_, c_.tipoOperazione).selezione = 0;
    f_.imposta(c_.tipoOperazione, tipiOperazione().front());
    f_.imposta(c_.assicurazione, "0");
    f_.imposta(c_.mediazione, "0");
}

bool VerificaUsura::tasto(int id, const Battuta& t, std::optional<std::string>& risultato) {
    for (int n : {c_.speseIstruttoria, c_.assicurazione, c_.mediazione, c_.tassoMora})
        if (id == n) {
            risultato = filtroNumerico(f_, id, t);
            return true;
        }
    return false;
}

bool VerificaUsura::uscito(int id) {
    // The costs are amounts and read as the loan's own expense fields do: two decimals, grouped.
    for (int n : {c_.speseIstruttoria, c_.assicurazione, c_.mediazione})
        if (id == n) {
            if (const auto v = leggiNumero(f_.testo(id))) f_.imposta(id, formatta(*v, maschere::euro));
            return true;
        }
    return false;
}

bool VerificaUsura::cliccato(int id) {
    if (id != c_.verifica) return false;
    verifica();
    return true;
}

const SerieUfficiale* VerificaUsura::serie() {
    if (!serie_) {
        auto letta = leggiFileSerie(ctx_.stato.cartellaDati + kFileSerieUfficiale, nullptr);
        if (!letta.ok()) {
            erroreSerie_ = "Serie ufficiale dei tassi non disponibile (" + letta.errore.messaggio() +
                           "): importarla dalla finestra dei tassi con \"Importa serie ufficiale...\".";
            return nullptr;
        }
        serie_ = std::make_shared<const SerieUfficiale>(std::move(*letta.serie));
    }
    return serie_.get();
}

void VerificaUsura::verifica() {
    esito_ = {};
    auto fine = [&](std::string errore) {
        esito_.errore = std::move(errore);
        mostra();
    };

    std::string data = f_.testo(c_.dataContratto);
    if (data.empty()) data = f_.testo(m_.dataErogazione);
    const auto contratto = leggiDataErogazione(data);
    if (!contratto) return fine("Data del contratto non valida: scriverla come gg/mm/aaaa.");
    const auto rata = leggiNumero(f_.testo(m_.rata));
    const auto numRate = leggiNumero(f_.testo(m_.numeroRate));
    if (!rata || !numRate || *rata <= 0 || *numRate < 1)
        return fine("Calcolare prima il mutuo: servono la rata e il numero delle rate.");

    const int scelto = std::max(0, f_[c_.tipoOperazione].selezione);
    const TipoOperazione& tipo = tipi()[static_cast<std::size_t>(scelto) % tipi().size()];
    const SerieUfficiale* s = serie();
    if (!s) return fine(erroreSerie_);
    const double importo = numero(m_.importo);
    RicercaSerie trovata;
    for (const char* parole : tipo.parole) {
        trovata = s->cerca(*contratto, parole, importo);
        if (trovata.riga) break;
    }
    if (!trovata.riga) return fine("Soglia non trovata per \"" + std::string(tipo.nome) + "\": " + trovata.errore);

    const int perAnno = mutuo_.ratePerAnnoScelte();
    const double anni = *numRate / perAnno;
    const TipoMora kindMora = tipo.leasing             ? TipoMora::Leasing
                              : tipo.mutuo && anni > 5 ? TipoMora::MutuoOltreCinqueAnni
                                                       : TipoMora::AltriFinanziamenti;
    const SogliaUfficiale su = sogliaUfficiale(*trovata.riga, kindMora);
    if (f_.testo(c_.speseIstruttoria).empty()) f_.imposta(c_.speseIstruttoria, f_.testo(m_.speseIniziali));
    const CostiMutuo costi{numero(c_.speseIstruttoria), numero(c_.assicurazione), numero(c_.mediazione),
                           numero(m_.spesePerRata)};
    const auto teg = tegUsuraMutuo(importo, *rata, static_cast<int>(std::lround(*numRate)), perAnno, costi);
    if (!teg) return fine("TEG non calcolabile: l'importo al netto dei costi iniziali non è positivo.");

    const double soglia = su.sogliaRegola.valore();
    esito_.tegUsura = percento(*teg);
    esito_.soglia = su.sogliaRegola.testo(4);
    esito_.sogliaPubblicata = trovata.riga->soglia.testo();
    esito_.esito = verdetto(*teg, soglia);

    esito_.righe = righeVerifica(*contratto, *trovata.riga, su, costi, esito_);
    if (const auto mora = leggiNumero(f_.testo(c_.tassoMora))) verificaMora(*mora, su, soglia, kindMora);
    mostra();
}

void VerificaUsura::verificaMora(double mora, const SogliaUfficiale& su, double soglia, TipoMora tipoMora) {
    const double sogliaMora = su.sogliaMora ? su.sogliaMora->valore() : soglia;
    esito_.sogliaMora = su.sogliaMora ? su.sogliaMora->testo(4) : esito_.soglia;
    esito_.esitoMora = "mora " + verdetto(mora, sogliaMora);
    if (f_[c_.moraSommata].selezionato) {
        const double somma = mora + numero(m_.tassoAnnuo);
        esito_.esitoMora += "; mora + tasso del contratto (" + percento(somma) + ") " + verdetto(somma, sogliaMora);
    }
    auto& righe = esito_.righe;
    if (su.mora)
        righe.push_back("Maggiorazione di mora: " + su.mora->punti.testo() + " punti (" + nomeTipoMora(tipoMora) +
                        "; " + su.mora->fonte + ")");
    else
        righe.push_back("Maggiorazione di mora non pubblicata per questa data: soglia ordinaria");
    righe.push_back("Soglia di mora: " + esito_.sogliaMora + "  -  tasso di mora " + percento(mora) + ": " +
                    esito_.esitoMora);
}

void VerificaUsura::mostra() {
    const bool ok = esito_.errore.empty();
    f_.imposta(c_.tegUsura, esito_.tegUsura);
    f_.imposta(c_.soglia, esito_.soglia);
    f_.imposta(c_.esito, ok ? esito_.esito : esito_.errore);
    f_.imposta(c_.sogliaMora, esito_.sogliaMora);
    f_.imposta(c_.esitoMora, esito_.esitoMora);
    modifica(f_, c_.fonteSoglia).voci = ok ? esito_.righe : std::vector<std::string>{esito_.errore};
}

} // namespace vantrel
