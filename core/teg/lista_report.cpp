#include "teg/lista_report.h"

#include "common/numeri.h"
#include "reports/stampa_report.h"
#include "teg/riepilogo.h"
#include "teg/teg_controlli.h"

namespace vantrel {
ListaReport::ListaReport(Finestra& f, Contesto& ctx)
    : f_(f), ctx_(ctx), c_(controlli<ControlliReportTeg>(f.schema())), lista_(f, listaCompleta(c_, c_.risultati), ctx) {
}

void ListaReport::definisci(Schema& s) {
    s.aggiungi("List1", Tipo::Lista).aiuto =
        "il doppio click su una riga ne comporta la rimozione,la quale viene temporaneamente inserita nella 'testo da "
        "inserire'. un solo click per evidenziare le righe.";
    s.aggiungi("testo", Tipo::Testo).aiuto = "inserire il testo da incollare nel report";
    s.aggiungi("testo2", Tipo::Testo).visibile = false;
    s.aggiungi("nome", Tipo::Testo).aiuto = "inserire il nome con il quale salvare il report";

    struct P {
        const char* nome;
        const char* didascalia;
        const char* tooltip;
        const char* aiuto;
        bool abilitato;
    };
    for (const P& p : {
             P{"SSCommand10", "Testata", "Aggiungi testata", "inserisce la testata del report", true},
             P{"Pulisci", "Elimina tutto", "elimina tutto", "pulisci report", true},
             P{"SSCommand7", "Riga in testa", "Aggiungi riga in testa",
               "inserisce il testo di sinistra in cima alla lista", true},
             P{"SSCommand8", "Riga in fondo", "Aggiungi riga in fondo",
               "inserisce il testo di sinistra in fondo alla lista", true},
             P{"SSCommand9", "Riga su selezione", "Aggiungi riga su selezione",
               "inserisce il testo di sinistra in corrispondenza della riga evidenziata", true},
             P{"SSCommand4", "Sposta giù", "sposta riga in basso", "sposta la riga evidenziata verso il basso", false},
             P{"SSCommand5", "Sposta su", "sposta riga in alto", "sposta la riga evidenziata verso l'alto", false},
             P{"Command3D1", "Incolla riga", "Incolla la riga tolta con il doppio click sopra la riga evidenziata",
               "incolla rcalcolo precedentemente rimosso dalla lista, in corrispondenza della riga evidenziata. ",
               true},
             P{"SSCommand6", "Salva", "salva report", "salva report attivo", true},
             P{"Command3D2", "Apri", "Carica report", "apri report esistente", true},
             P{"Stampa", "Stampa", "Stampa report", "stampa report", true},
             P{"SSCommand1", "Chiudi", "Chiudi la finestra di calcolo", "chiude questa maschera. ", true},
         }) {
        auto& d = s.aggiungi(p.nome, Tipo::Pulsante, p.didascalia);
        d.tooltip = p.tooltip;
        d.aiuto = p.aiuto;
        d.abilitato = p.abilitato;
    }
}

void ListaReport::accodaTestata() {
    accoda(testata::trattini());
    accoda(testata::righeRisultato());
    accoda(testata::trattini());
}

void ListaReport::accoda(std::string riga) {
    modifica(f_, c_.risultati).voci.push_back(std::move(riga));
}

void ListaReport::spostaCms() {
    const auto& c = controlli<ControlliTeg>(f_.schema());
    if (importoDiversoDaZero(f_.testo(c.cmsInteressi))) {
        f_.cambia(c.cmsSpese, f_.testo(c.cmsInteressi));
        f_.cambia(c.cmsInteressi, "0");
    } else {
        f_.cambia(c.cmsInteressi, f_.testo(c.cmsSpese));
        f_.cambia(c.cmsSpese, "0");
    }
    ctx_.messaggio({kTitoloProgramma, testiReport::spostamentoCms});
}

void ListaReport::riepilogo() {
    const bool nuova = finestraTesto() == nullptr;
    if (nuova) stp1_ = std::make_unique<FinestraTesto>(ctx_);
    stp1_->lista().righe() =
        riepilogoCalcolo(f_, ctx_.stato.mascheraImporti, catenaSoglia ? catenaSoglia() : std::vector<std::string>{});
    if (nuova && apertaFinestraTesto) apertaFinestraTesto(*stp1_);
}

bool ListaReport::cliccato(int id) {
    const auto& t = controlli<ControlliTeg>(f_.schema());
    if (id == t.spostaCms)
        spostaCms();
    else if (id == t.creaReportTabellare)
        riepilogo();
    else if (id == c_.salva)
        lista_.salva(f_.testo(c_.nomeReport));
    else if (id == c_.apri)
        lista_.apri();
    else if (id == c_.stampa)
        stampaRisultati(ctx_, lista_.righe(), "report-teg");
    else if (id == c_.chiudi) {
        if (lista_.chiusuraConfermata()) f_.chiudi();
    } else
        return lista_.cliccato(id);
    return true;
}

} // namespace vantrel
