#include "case_window/scheda_scalare.h"

#include "account/fogli_scalare.h"
#include "account/importi.h"
#include "case_window/finestra_pratica.h"
#include "casefile/scalare_pratica.h"
#include "common/file_sicuro.h"

#include <filesystem>

namespace vantrel {
namespace {

/// Thrown through the scalare's day-by-day callback when the user cancels: nothing of it is kept.
struct ScalareAnnullato {};

} // namespace

SchedaScalare::SchedaScalare(FinestraPratica& f) : f_(f), c_(controlli<ControlliFinestraPratica>(f.schema())) {
    mostraEsito();
}

void SchedaScalare::invalida() {
    aggiornato_ = false;
    mostraEsito();
}

bool SchedaScalare::calcola() {
    f_.iniziaLavoro("Calcolo dello scalare");
    bool fatto = false;
    try {
        const GiorniConto giorni = giorniPratica(f_.pratica());
        const long primo = giorni.primo(), giorniTotali = giorni.vuoto() ? 0 : giorni.ultimo() - primo + 1;
        long visti = 0;
        RisultatoScalare r =
            calcolaScalare(giorni, f_.pratica().condizioni(), opzioniPratica(f_.pratica()), [&](const GiornoScalare&) {
                if (++visti % 64 == 0 &&
                    !f_.avanza(static_cast<std::size_t>(visti), static_cast<std::size_t>(giorniTotali)))
                    throw ScalareAnnullato{};
            });
        risultato_ = std::move(r);
        fatto = risultato_.errore.empty();
        aggiornato_ = true;
    } catch (const ScalareAnnullato&) {
    } catch (const ErroreSql& e) {
        risultato_ = {};
        risultato_.errore = "impossibile leggere la pratica: " + e.messaggio;
    }
    f_.fineLavoro();
    tabella_.imposta(foglioScalare(risultato_));
    mostraEsito();
    return fatto;
}

void SchedaScalare::mostraEsito() {
    std::string t;
    const auto& p = risultato_.periodi;
    if (!risultato_.errore.empty()) {
        t = "Lo scalare non può essere calcolato: " + risultato_.errore;
    } else if (!p.empty()) {
        Centesimi calcolate = 0, banca = 0;
        std::size_t inseriti = 0;
        for (const auto& periodo : p) {
            calcolate += periodo.calcolate.netto();
            banca += periodo.totaleBanca();
            inseriti += periodo.bancaInserita;
        }
        t = std::to_string(p.size()) + " periodi dal " + p.front().dal.testo() + " al " + p.back().al.testo() +
            ": competenze calcolate " + testoCentesimi(calcolate) + ", addebitate dalla banca " +
            testoCentesimi(banca) + ", differenza " + testoCentesimi(calcolate - banca) + ".";
        // Which figures of the bank's are the user's own, so that nobody takes them for the movements'.
        if (inseriti > 0)
            t += " Addebiti della banca inseriti a mano in " + std::to_string(inseriti) +
                 (inseriti == 1 ? " periodo." : " periodi.");
    } else {
        t = "Premere \"Calcola\" per ricostruire lo scalare dai movimenti e dalle condizioni.";
    }
    if (!aggiornato_ && !p.empty()) t = "La pratica è cambiata: premere \"Calcola\". " + t;
    f_.imposta(c_.esitoScalare, std::move(t));
    modifica(f_, c_.esportaScalare).abilitato = !p.empty();
}

void SchedaScalare::esporta() {
    if (!f_.contesto().servizi.file || risultato_.periodi.empty()) return;
    const std::string proposto = std::filesystem::path(f_.percorso()).stem().string() + "-scalare.csv";
    const auto file = f_.contesto().servizi.file->salva(proposto, "");
    if (!file) return;
    const std::string errore = sostituisciFile(*file, csvFoglio(tabella_.foglio()), f_.contesto().servizi.disco);
    if (!errore.empty())
        f_.contesto().messaggio({.titolo = "Esporta scalare", .testo = errore, .icona = Icona::Critica});
}

bool SchedaScalare::cliccato(int id) {
    if (id == c_.calcolaScalare)
        calcola();
    else if (id == c_.esportaScalare)
        esporta();
    else
        return false;
    return true;
}

} // namespace vantrel
