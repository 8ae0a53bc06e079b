#include "reports/finestre_report.h"

#include "reports/file_report.h"
#include "reports/stampa_report.h"

namespace vantrel {
namespace {

DefinizioneControllo& pulsante(Schema& s, const char* nome, const char* tooltip, const char* caption = "") {
    auto& d = s.aggiungi(nome, Tipo::Pulsante, caption);
    d.tooltip = tooltip;
    return d;
}

ControlliLista controlliReport() {
    ControlliLista n;
    n.buffer = "testo2";
    n.giu = "SSCommand1";
    n.su = "SSCommand3";
    n.incolla = "Command3D1";
    n.testata = "SSCommand7";
    n.pulisci = "Pulisci";
    n.inCima = "SSCommand4";
    n.accoda = "SSCommand6";
    n.suSelezione = "SSCommand5";
    return n;
}

ControlliLista controlliTesto() {
    ControlliLista n;
    n.inCima = "Command3D1";
    n.suSelezione = "SSCommand1";
    n.accoda = "SSCommand3";
    return n;
}

void segnalaErroreStampa(Contesto& ctx, const std::string& errore) {
    if (!errore.empty()) ctx.messaggio({kTitoloProgramma, "Errore di stampa: " + errore, Icona::Critica});
}

} // namespace

void stampaRisultati(Contesto& ctx, const std::vector<std::string>& righe) {
    if (!ctx.servizi.stampante) return;
    segnalaErroreStampa(ctx,
                        stampaListaRisultati(*ctx.servizi.stampante, righe, ctx.stato.OpzStampa.righeOrizzontale()));
}

void stampaTesto(Contesto& ctx, const std::vector<std::string>& righe) {
    if (!ctx.servizi.stampante) return;
    segnalaErroreStampa(ctx, stampaTestoFinestra(*ctx.servizi.stampante, righe, ctx.stato.OpzStampa.righeVerticale()));
}

const Schema& FinestraReport::schemaReport() {
    static const Schema s = [] {
        Schema sc("STP2", "Anteprima stampa reporto dati");
        sc.aggiungi("List1", Tipo::Lista);
        sc.aggiungi("Label1", Tipo::Etichetta, "testo da inserire");
        sc.aggiungi("testo", Tipo::Testo);
        sc.aggiungi("testo2", Tipo::Testo).visibile = false;
        sc.aggiungi("Label2", Tipo::Etichetta, "nome report");
        sc.aggiungi("nome", Tipo::Testo);
        pulsante(sc, "OK", "salva report");
        pulsante(sc, "Command3D2", "Carica report");
        pulsante(sc, "SSCommand11", "nuova maschera");
        pulsante(sc, "Stampa", "Stampa report");
        pulsante(sc, "SSCommand2", "chiudi maschera");
        pulsante(sc, "SSCommand1", "sposta riga in basso").abilitato = false;
        pulsante(sc, "SSCommand3", "sposta riga in alto").abilitato = false;
        pulsante(sc, "SSCommand4", "Aggiungi riga in testa");
        pulsante(sc, "SSCommand6", "");
        pulsante(sc, "SSCommand5", "Aggiungi riga su selezione");
        pulsante(sc, "SSCommand7", "Aggiungi testata");
        pulsante(sc, "Pulisci", "elimina tutto");
        pulsante(sc, "Command3D1", "").abilitato = false;
        sc.ordineTab({"testo", "nome"});
        return sc;
    }();
    return s;
}

FinestraReport::FinestraReport(Contesto& ctx)
    : FinestraComposta(schemaReport()), ctx_(ctx), lista_(*this, controlliReport()) {
    aggiungiParte(lista_);
    auto& v = lista_.righe();
    v = {testata::trattini(), testata::righeRisultato(), testata::trattini()};
}

void FinestraReport::cliccato(int id) {
    const std::string& nome = schema().definizione(id).nome;
    if (nome == "OK")
        SalvaReport(ctx_, lista_.righe(), testo(this->id("nome")));
    else if (nome == "Command3D2") {
        if (ApriReport(ctx_, lista_.righe())) (*this)[this->id("List1")].selezione = -1;
    } else if (nome == "SSCommand11") {
        if (nuovaFinestra) nuovaFinestra();
    } else if (nome == "Stampa")
        stampaRisultati(ctx_, lista_.righe());
    else if (nome == "SSCommand2")
        chiudi();
    else
        FinestraComposta::cliccato(id);
}

void FinestraReport::ridimensiona(int larghezza, int altezza) {
    if (larghezza - 100 > 0) larghezzaLista_ = larghezza - 100;
    if (altezza - 1500 > 0) altezzaLista_ = altezza - 1500;
}

const Schema& FinestraTesto::schemaTesto() {
    static const Schema s = [] {
        Schema sc("STP1", "Anteprima stampa pagina prospetto tabellare");
        sc.aggiungi("List1", Tipo::Lista);
        sc.aggiungi("Label1", Tipo::Etichetta, "Testo da aggiungere alla maschera");
        sc.aggiungi("testo", Tipo::Testo);
        pulsante(sc, "Command3D1", "Aggiungi riga in testa");
        pulsante(sc, "SSCommand1", "Aggiungi riga su selezione");
        pulsante(sc, "SSCommand3", "");
        pulsante(sc, "Stampa", "Stampa");
        pulsante(sc, "SSCommand2", " Uscita ");
        return sc;
    }();
    return s;
}

FinestraTesto::FinestraTesto(Contesto& ctx)
    : FinestraComposta(schemaTesto()), ctx_(ctx), lista_(*this, controlliTesto()) {
    aggiungiParte(lista_);
}

void FinestraTesto::cliccato(int id) {
    const std::string& nome = schema().definizione(id).nome;
    if (nome == "Stampa")
        stampaTesto(ctx_, lista_.righe());
    else if (nome == "SSCommand2")
        chiudi();
    else
        FinestraComposta::cliccato(id);
}

void FinestraTesto::ridimensiona(int larghezza, int altezza) {
    if (larghezza - 100 > 0) larghezzaLista_ = larghezza - 100;
    if (altezza - 1000 > 0) altezzaLista_ = altezza - 1000;
}

} // namespace vantrel
