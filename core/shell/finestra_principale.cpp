#include "shell/finestra_principale.h"

#include "rates/avvisi_tassi.h"
#include "shell/accesso.h"
#include "shell/impostazioni.h"

#include <climits>
#include <functional>

namespace vantrel {
namespace {

// The tab of the calculation window that holds the loan calculator and its plan.
constexpr int kSchedaMutuo = 2;

std::optional<int> comeIntero(long long v) {
    if (v < INT_MIN || v > INT_MAX) return std::nullopt;
    return static_cast<int>(v);
}

// Runs one start-up step; a failing step is skipped.
void protetto(const std::function<void()>& passo) {
    try {
        passo();
    } catch (...) {
    }
}

} // namespace

Centratura centra(Dimensioni principale, bool minimizzata, Dimensioni logo, int larghezzaPannello,
                  std::optional<Dimensioni> taeg) {
    Centratura c;
    if (minimizzata) return c;
    const long long larghezza = principale.larghezza, altezza = principale.altezza;
    c.logoSinistra = comeIntero((larghezza - logo.larghezza) / 2);
    c.logoAlto = comeIntero((altezza - logo.altezza) / 2);
    c.pannelloSinistra = comeIntero((larghezza - larghezzaPannello) / 2);
    if (taeg) {
        c.taegSinistra = comeIntero((larghezza - taeg->larghezza) / 2);
        c.taegAlto = comeIntero((altezza - 2300 - taeg->altezza) / 2);
    }
    return c;
}

const Schema& FinestraPrincipale::schemaMDIForm1() {
    static const Schema s = [] {
        Schema sc("MDIForm1", "Vantrel  [Rel. 2.00 - 02.06. 2010]");
        aggiungi(sc, ControlliPrincipale::kRighe);
        return sc;
    }();
    return s;
}

FinestraPrincipale::FinestraPrincipale(Contesto& ctx, OspiteFinestre& ospite, std::string cartellaProgramma)
    : Finestra(schemaMDIForm1()), ctx_(ctx), ospite_(ospite), c_(controlli<ControlliPrincipale>(schema())),
      cartella_(std::move(cartellaProgramma)) {
    const auto abilita = [&](int id, TipoFinestra t) { modifica(id).abilitato = ospite_.disponibile(t); };
    abilita(c_.pulsanteTeg, TipoFinestra::Taeg);
    abilita(c_.pulsantePiano, TipoFinestra::Taeg);
    abilita(c_.pulsanteTassi, TipoFinestra::Usurari);
    abilita(c_.pulsanteSoglieUfficiali, TipoFinestra::SoglieUfficiali);
    abilita(c_.soglieUfficiali, TipoFinestra::SoglieUfficiali);
    abilita(c_.pulsanteReport, TipoFinestra::GestoreReport);
    abilita(c_.pulsanteCalendario, TipoFinestra::Calendario);
    abilita(c_.calendario, TipoFinestra::Calendario);
    abilita(c_.pulsantePreferenze, TipoFinestra::Impostazioni);
    abilita(c_.preferenze, TipoFinestra::Impostazioni);
}

bool FinestraPrincipale::avvio() {
    protetto([&] { ospite_.mostraLogo(); });
    protetto([&] {
        const auto conSeparatore = [](std::string c) {
            if (c.empty() || (c.back() != '/' && c.back() != '\\')) c += '/';
            return c;
        };
        ctx_.stato.cartellaDati = conSeparatore(cartella_);
        ctx_.stato.cartellaReport = conSeparatore(cartellaReport_.empty() ? cartella_ : cartellaReport_);
    });
    protetto([&] { ospite_.mostraPrincipale(); });
    protetto([&] { leggiOpzStampa(ctx_.stato); });
    protetto([&] { leggiImposta(ctx_.stato); });
    protetto([&] { scegliMaschera(ctx_.stato, ctx_.stato.imposta.decimali()); });
    bool accettato = true;
    protetto([&] {
        if (ctx_.stato.imposta.accesso() != -1) return;
        Accesso finestra(ctx_);
        ospite_.login(finestra);
        if (finestra.esito() != Accesso::Esito::Accettato) accettato = false;
    });
    if (!accettato) {
        ospite_.termina();
        return false;
    }
    protetto([&] { // a first start without a rate set says where to get one
        ctx_.stato.tassi.caricaTassi(ctx_.stato.cartellaDati);
        if (const std::string a = avvisoTabellaTassi(ctx_.stato.tassi); !a.empty())
            ctx_.messaggio({.titolo = "ATTENZIONE!", .testo = a, .icona = Icona::Avviso});
    });
    mostra(TipoFinestra::Taeg);
    return true;
}

void FinestraPrincipale::mostra(TipoFinestra tipo, int scheda) {
    if (!ospite_.disponibile(tipo)) return;
    int& n = aperte_[tipo];
    if (n > 0) {
        ospite_.primoPiano(tipo, 0, scheda);
        return;
    }
    ospite_.crea(tipo, scheda);
    n = 1;
}

void FinestraPrincipale::finestraChiusa(TipoFinestra tipo) {
    int& n = aperte_[tipo];
    if (n > 0) --n;
}

std::optional<bool> FinestraPrincipale::righeSalvatePrimaDiUscire() {
    std::vector<ListaAperta> daSalvare;
    for (ListaAperta& l : ospite_.listeAperte())
        if (l.nonSalvata()) daSalvare.push_back(std::move(l));
    if (daSalvare.empty()) return std::nullopt;
    const Risposta r = ctx_.messaggio({.titolo = "AVVERTIMENTO!",
                                       .testo = testiPrincipale::righeNonSalvate,
                                       .icona = Icona::Avviso,
                                       .pulsanti = Pulsanti::SiNoAnnulla,
                                       .predefinita = Risposta::Si});
    if (r == Risposta::No) return true;
    if (r != Risposta::Si) return false;
    for (ListaAperta& l : daSalvare)
        if (!l.salva()) return false;
    return true;
}

bool FinestraPrincipale::esci() {
    if (const auto salvate = righeSalvatePrimaDiUscire()) {
        if (!*salvate) return false;
    } else if (ctx_.messaggio({.titolo = "AVVERTIMENTO!",
                               .testo = testiPrincipale::uscita,
                               .icona = Icona::Avviso,
                               .pulsanti = Pulsanti::OkAnnulla,
                               .predefinita = Risposta::Annulla}) != Risposta::Ok) {
        return false;
    }
    ospite_.termina();
    return true;
}

bool FinestraPrincipale::chiudiDallaCornice() {
    if (!righeSalvatePrimaDiUscire().value_or(true)) return false;
    ospite_.termina();
    return true;
}

void FinestraPrincipale::avviaCalcolatrice() {
    if (ctx_.servizi.processi && ctx_.servizi.processi->avviaCalcolatrice()) return;
    ctx_.messaggio(
        {.titolo = "", .testo = "Impossibile avviare la calcolatrice di sistema.", .icona = Icona::Informazione});
}

void FinestraPrincipale::cliccato(int id) {
    if (id == c_.impostaStampante)
        ospite_.impostaStampante();
    else if (id == c_.preferenze || id == c_.pulsantePreferenze)
        mostra(TipoFinestra::Impostazioni);
    else if (id == c_.esci || id == c_.pulsanteUscita)
        esci();
    else if (id == c_.calcolatrice || id == c_.pulsanteCalcolatrice)
        avviaCalcolatrice();
    else if (id == c_.calendario || id == c_.pulsanteCalendario)
        mostra(TipoFinestra::Calendario);
    else if (id == c_.sovrapponi)
        ospite_.disponi(Disposizione::Sovrapponi);
    else if (id == c_.affiancaOrizzontalmente)
        ospite_.disponi(Disposizione::AffiancaOrizzontalmente);
    else if (id == c_.affiancaVerticalmente)
        ospite_.disponi(Disposizione::AffiancaVerticalmente);
    else if (id == c_.disponiIcone)
        ospite_.disponi(Disposizione::DisponiIcone);
    else if (id == c_.pulsanteTeg)
        mostra(TipoFinestra::Taeg);
    else if (id == c_.pulsanteTassi)
        mostra(TipoFinestra::Usurari);
    else if (id == c_.soglieUfficiali || id == c_.pulsanteSoglieUfficiali)
        mostra(TipoFinestra::SoglieUfficiali);
    else if (id == c_.pulsanteReport)
        mostra(TipoFinestra::GestoreReport);
    else if (id == c_.pulsantePiano)
        mostra(TipoFinestra::Taeg, kSchedaMutuo);
}

} // namespace vantrel
