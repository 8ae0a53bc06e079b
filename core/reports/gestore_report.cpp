#include "reports/gestore_report.h"

#include "reports/stampa_report.h"

namespace vantrel {
namespace {

DefinizioneControllo& pulsante(Schema& s, const char* nome, const char* caption, const char* tooltip) {
    auto& d = s.aggiungi(nome, Tipo::Pulsante, caption);
    d.tooltip = tooltip;
    return d;
}

} // namespace

const Schema& GestoreReport::schemaReport() {
    static const Schema s = [] {
        Schema sc("STP2", "Anteprima stampa reporto dati");
        sc.aggiungi("List1", Tipo::Lista);
        sc.aggiungi("Label1", Tipo::Etichetta, "testo da inserire");
        sc.aggiungi("testo", Tipo::Testo);
        sc.aggiungi("testo2", Tipo::Testo).visibile = false;
        sc.aggiungi("Label2", Tipo::Etichetta, "nome report");
        sc.aggiungi("nome", Tipo::Testo);
        pulsante(sc, "OK", "Salva", "salva report");
        pulsante(sc, "Command3D2", "Apri", "Carica report");
        pulsante(sc, "SSCommand11", "Nuova finestra", "nuova maschera");
        pulsante(sc, "Stampa", "Stampa", "Stampa report");
        pulsante(sc, "SSCommand2", "Chiudi", "chiudi maschera");
        pulsante(sc, "SSCommand1", "Sposta giù", "sposta riga in basso").abilitato = false;
        pulsante(sc, "SSCommand3", "Sposta su", "sposta riga in alto").abilitato = false;
        pulsante(sc, "SSCommand4", "Riga in testa", "Aggiungi riga in testa");
        pulsante(sc, "SSCommand6", "Riga in fondo", "Aggiungi riga in fondo");
        pulsante(sc, "SSCommand5", "Riga su selezione", "Aggiungi riga su selezione");
        pulsante(sc, "SSCommand7", "Testata", "Aggiungi testata");
        pulsante(sc, "Pulisci", "Elimina tutto", "elimina tutto");
        pulsante(sc, "Command3D1", "Incolla riga",
                 "Incolla la riga tolta con il doppio click sopra la riga evidenziata")
            .abilitato = false;
        sc.ordineTab({"testo", "nome"});
        return sc;
    }();
    return s;
}

GestoreReport::GestoreReport(Contesto& ctx)
    : FinestraComposta(schemaReport()), ctx_(ctx), c_(controlli<ControlliGestioneReport>(schema())),
      lista_(*this, listaCompleta(c_, c_.righe), ctx) {
    aggiungiParte(lista_);
    auto& v = lista_.righe();
    v = {testata::trattini(), testata::righeRisultato(), testata::trattini()};
}

void GestoreReport::cliccato(int id) {
    if (id == c_.salva)
        lista_.salva(testo(c_.nomeReport));
    else if (id == c_.apri)
        lista_.apri();
    else if (id == c_.nuovaFinestra) {
        if (nuovaFinestra) nuovaFinestra();
    } else if (id == c_.stampa)
        stampaRisultati(ctx_, lista_.righe(), "report");
    else if (id == c_.chiudi) {
        if (lista_.chiusuraConfermata()) chiudi();
    } else
        FinestraComposta::cliccato(id);
}

} // namespace vantrel
