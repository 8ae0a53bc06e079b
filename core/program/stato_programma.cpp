#include "program/stato_programma.h"

namespace vantrel {

Risposta Contesto::messaggio(const Messaggio& m) const {
    Messaggio copia = m;
    if (copia.titolo.empty()) copia.titolo = kTitoloProgramma;
    return servizi.messaggi ? servizi.messaggi->mostra(copia) : Risposta::Annulla;
}

Data Contesto::oggi() const {
    return servizi.orologio ? servizi.orologio->oggi() : Data{2026, 1, 1};
}

} // namespace vantrel
