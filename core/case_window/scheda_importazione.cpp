#include "case_window/scheda_importazione.h"

#include "account/importi.h"
#include "case_window/finestra_pratica.h"
#include "case_window/righe_file.h"

#include <filesystem>

namespace vantrel {
namespace {

constexpr const char* kFileMovimenti = "*.csv *.xlsx *.txt *.CSV *.XLSX *.TXT";

std::string rigaMovimento(const Movimento& m) {
    std::string importo = testoCentesimi(m.importo);
    importo.insert(0, importo.size() < 14 ? 14 - importo.size() : 0, ' ');
    return m.operazione.testo() + "  " + m.valuta.testo() + "  " + importo + "  " + m.descrizione;
}

std::string riepilogo(const LetturaMovimenti& l) {
    std::string t = std::to_string(l.movimenti) + " movimenti";
    if (l.primaData) t += " dal " + l.primaData->testo() + " al " + l.ultimaData->testo();
    t += "; addebiti " + testoCentesimi(l.addebiti) + ", accrediti " + testoCentesimi(l.accrediti);
    if (l.senzaValuta > 0) t += "; " + std::to_string(l.senzaValuta) + " senza data valuta (presa la data operazione)";
    return t;
}

} // namespace

SchedaImportazione::SchedaImportazione(FinestraPratica& f)
    : f_(f), c_(controlli<ControlliFinestraPratica>(f.schema())) {
    modifica(f_, c_.scegliMovimenti).abilitato = !f_.pratica().soloLettura();
}

void SchedaImportazione::scegli() {
    if (!f_.contesto().servizi.file) return;
    const auto file =
        f_.contesto().servizi.file->apri(kFileMovimenti, std::filesystem::path(file_).parent_path().string());
    if (file) anteprima(*file);
}

bool SchedaImportazione::anteprima(const std::string& file) {
    file_ = file;
    std::string errore;
    auto righe = RigheFile::apri(file, f_.contesto().servizi.lettoreXlsx, errore);
    lettura_ = {};
    if (righe) {
        f_.iniziaLavoro("Lettura di " + std::filesystem::path(file).filename().string());
        righe->avanza = [this](std::size_t fatti, std::size_t totale) { return f_.avanza(fatti, totale); };
        lettura_ = leggiMovimenti(*righe, {});
        f_.fineLavoro();
    } else {
        lettura_.errore = errore;
    }
    mostra();
    return lettura_.errore.empty() && lettura_.movimenti > 0;
}

void SchedaImportazione::mostra() {
    f_.imposta(c_.fileMovimenti, file_);
    std::vector<std::string> colonne, primi;
    for (const auto& c : lettura_.colonne)
        colonne.push_back("\"" + c.intestazione + "\": " + descrizioneRuolo(c.ruolo) +
                          (c.esempio.empty() ? "" : " (es. " + c.esempio + ")"));
    for (const auto& m : lettura_.primi)
        primi.push_back(rigaMovimento(m));
    modifica(f_, c_.colonneLette).voci = std::move(colonne);
    modifica(f_, c_.anteprimaMovimenti).voci = std::move(primi);
    const bool leggibile = !file_.empty() && lettura_.errore.empty() && lettura_.movimenti > 0;
    std::string esito = file_.empty()              ? std::string()
                        : !lettura_.errore.empty() ? "Il file non può essere importato: " + lettura_.errore
                        : lettura_.movimenti == 0  ? std::string("Il file non contiene movimenti.")
                                                   : "Letti " + riepilogo(lettura_) + ". Nulla è ancora importato.";
    f_.imposta(c_.esitoLettura, std::move(esito));
    modifica(f_, c_.importaMovimenti).abilitato = leggibile && !f_.pratica().soloLettura();
    modifica(f_, c_.scartaAnteprima).abilitato = !file_.empty();
}

void SchedaImportazione::importa() {
    std::string errore;
    auto righe = RigheFile::apri(file_, f_.contesto().servizi.lettoreXlsx, errore);
    if (!righe) {
        f_.contesto().messaggio({.titolo = "Importa movimenti", .testo = errore, .icona = Icona::Critica});
        return;
    }
    f_.iniziaLavoro("Importazione di " + std::filesystem::path(file_).filename().string());
    righe->avanza = [this](std::size_t fatti, std::size_t totale) { return f_.avanza(fatti, totale); };
    const ImportazioneMovimenti i = f_.pratica().importaMovimenti(*righe, [this](std::size_t doppi) {
        return f_.contesto().messaggio({.titolo = "Importa movimenti",
                                        .testo = std::to_string(doppi) +
                                                 " movimenti del file sono uguali (date, importo e descrizione) a "
                                                 "movimenti già nella pratica. Importarli comunque?",
                                        .icona = Icona::Domanda,
                                        .pulsanti = Pulsanti::SiNoAnnulla,
                                        .predefinita = Risposta::No}) == Risposta::Si;
    });
    const bool annullata = i.errore == testiRigheFile::annullata;
    f_.fineLavoro();
    if (!i.errore.empty() && !annullata)
        f_.contesto().messaggio({.titolo = "Importa movimenti",
                                 .testo = i.errore + "\nNessun movimento importato.",
                                 .icona = Icona::Critica});
    if (!i.importati) return;
    scarta();
    f_.imposta(c_.esitoLettura, "Importati " + riepilogo(i.lettura) + ".");
    f_.movimenti().carica();
    f_.cambiata();
    f_.selezionaVoce(c_.schede, kSchedaMovimenti);
}

void SchedaImportazione::scarta() {
    file_.clear();
    lettura_ = {};
    mostra();
}

bool SchedaImportazione::cliccato(int id) {
    if (id == c_.scegliMovimenti)
        scegli();
    else if (id == c_.importaMovimenti)
        importa();
    else if (id == c_.scartaAnteprima)
        scarta();
    else
        return false;
    return true;
}

} // namespace vantrel
