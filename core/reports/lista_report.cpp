#include "reports/lista_report.h"

namespace vantrel {

const std::string& testata::trattini() {
    static const std::string s(150, '-');
    return s;
}

const std::string& testata::righeRisultato() {
    static const std::string s =
        " Trim.    ind. medio TEG.Tot Soglia Supero     Interessi TEG In. C. Max Scop. TEG CMS  "
        " Ecc.ext. TEG Ecc.   Spese  TEG SP.    Oneri TEG On.";
    return s;
}

ListaReport::ListaReport(Finestra& f, Contesto& ctx) : f_(f), ctx_(ctx), List1_(f.id("List1")) {}

void ListaReport::definisci(Schema& s) {
    s.aggiungi("List1", Tipo::Lista).aiuto =
        "il doppio click su una riga ne comporta la rimozione,la quale viene temporaneamente inserita nella 'testo da "
        "inserire'. un solo click per evidenziare le righe.";
    s.aggiungi("testo", Tipo::Testo).aiuto = "inserire il testo da incollare nel report";
    s.aggiungi("testo2", Tipo::Testo).visibile = false;
    s.aggiungi("nome", Tipo::Testo).aiuto = "inserire il nome con il quale salvare il report";
}

void ListaReport::accodaTestata() {
    accoda(testata::trattini());
    accoda(testata::righeRisultato());
    accoda(testata::trattini());
}

void ListaReport::accoda(std::string riga) {
    f_[List1_].voci.push_back(std::move(riga));
}

} // namespace vantrel
