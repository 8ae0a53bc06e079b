#include "rate_windows/usurari.h"
#include "rates/importa_serie.h"

namespace vantrel {

void Usurari::importaSerie() {
    if (ctx_.servizi.file == nullptr) return;
    const std::string& cartella = ctx_.stato.cartellaDati;
    const auto file = ctx_.servizi.file->apri("TEGM_serie_storica.zip", cartella);
    if (!file) return;
    const EsitoImportaSerie esito = importaSerieUfficiale(
        *file, cartella, ctx_.servizi.zip,
        [this](const RiepilogoImportazione& r) {
            return ctx_.messaggio({"Importa serie ufficiale",
                                   "Riportare la serie ufficiale nella tabella dei tassi?\n" + r.testo() +
                                       ".\nI periodi che non sono nella serie restano come sono.",
                                   Icona::Domanda, Pulsanti::OkAnnulla, Risposta::Annulla}) == Risposta::Ok;
        },
        ctx_.servizi.disco);
    if (esito.messaggio.empty()) return; // declined
    if (esito.fatto) {
        TabellaTassi& t = ctx_.stato.tassi;
        t.caricaTassi(cartella);
        t.periodoScelto = 0;
        righeTassi();
        riempiAnni();
        imposta(c_.stato, esito.messaggio);
    }
    ctx_.messaggio({"Importa serie ufficiale",
                    esito.fatto ? esito.messaggio
                                : "La serie ufficiale non è stata importata: " + esito.messaggio +
                                      "\nI tassi già presenti non sono stati modificati.",
                    esito.fatto ? Icona::Informazione : Icona::Critica, Pulsanti::Ok, Risposta::Ok});
}

} // namespace vantrel
