#include "reports/finestra_testo.h"

#include "reports/stampa_report.h"

namespace vantrel {
namespace {

DefinizioneControllo& pulsante(Schema& s, const char* nome, const char* caption, const char* tooltip) {
    auto& d = s.aggiungi(nome, Tipo::Pulsante, caption);
    d.tooltip = tooltip;
    return d;
}

ControlliLista controlliLista(const ControlliFinestraTesto& c) {
    return {.lista = c.righe,
            .testo = c.testoDaInserire,
            .inCima = c.rigaInTesta,
            .accoda = c.rigaInFondo,
            .suSelezione = c.rigaSuSelezione};
}

} // namespace

const Schema& FinestraTesto::schemaTesto() {
    static const Schema s = [] {
        Schema sc("STP1", "Anteprima stampa pagina prospetto tabellare");
        sc.aggiungi("List1", Tipo::Lista);
        sc.aggiungi("Label1", Tipo::Etichetta, "Testo da aggiungere alla maschera");
        sc.aggiungi("testo", Tipo::Testo);
        pulsante(sc, "Command3D1", "Riga in testa", "Aggiungi riga in testa");
        pulsante(sc, "SSCommand1", "Riga su selezione", "Aggiungi riga su selezione");
        pulsante(sc, "SSCommand3", "Riga in fondo", "Aggiungi riga in fondo");
        pulsante(sc, "Stampa", "Stampa", "Stampa");
        pulsante(sc, "SSCommand2", "Chiudi", " Uscita ");
        return sc;
    }();
    return s;
}

FinestraTesto::FinestraTesto(Contesto& ctx)
    : FinestraComposta(schemaTesto()), ctx_(ctx), c_(controlli<ControlliFinestraTesto>(schema())),
      lista_(*this, controlliLista(c_), ctx) {
    aggiungiParte(lista_);
}

void FinestraTesto::cliccato(int id) {
    if (id == c_.stampa)
        stampaTesto(ctx_, lista_.righe());
    else if (id == c_.chiudi)
        chiudi();
    else
        FinestraComposta::cliccato(id);
}

} // namespace vantrel
