#pragma once

#include "case_window/controlli_finestra_pratica.h"
#include "case_window/scheda_addebiti.h"
#include "case_window/scheda_condizioni.h"
#include "case_window/scheda_dati.h"
#include "case_window/scheda_importazione.h"
#include "case_window/scheda_movimenti.h"
#include "case_window/scheda_note.h"
#include "case_window/scheda_parole.h"
#include "case_window/scheda_ricalcolo.h"
#include "case_window/scheda_scalare.h"
#include "casefile/modifiche_movimenti.h"
#include "casefile/pratica.h"
#include "common/finestra_composta.h"
#include "program/stato_programma.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace vantrel {

/// The window of one case (MDI child): the case's data, its movements with undo, the import of a
/// movements file with its preview, the conditions over time, the scalare, the legal recalculation,
/// the bank's charges (the words that find them, those entered by hand) and the notes, one tab each. Every
/// change is written to the case file at once. A new case lives in a scratch file until it is saved
/// under a name: until then its title carries the unsaved mark and closing it asks.
class FinestraPratica : public FinestraComposta {
public:
    /// `scratch`: the case is new, in a scratch file removed when the window goes unsaved; `nome`
    /// names it in the title until then ("Nuova pratica 1").
    FinestraPratica(Contesto& ctx, std::unique_ptr<Pratica> p, bool scratch = false, std::string nome = {});
    ~FinestraPratica() override;
    static const Schema& schemaPratica();

    /// "Pratica: conto", with " *" while a new case holds changes not saved under a name, and
    /// " (sola lettura)" when another program holds the file.
    std::string titolo() const;
    bool modificata() const { return scratch_ && cambiamenti_ > 0; }
    bool nuova() const { return scratch_; }
    const std::string& percorso() const { return pratica_->percorso(); }
    Pratica& pratica() { return *pratica_; }
    ModificheMovimenti& modifiche() { return *modifiche_; }
    Contesto& contesto() { return ctx_; }

    /// "Salva": a new case asks for its name; a named case is already on disk. False when not saved.
    bool salva();
    /// "Salva con nome...": copies the case to the file chosen and goes on there.
    bool salvaConNome();
    /// Asked before the window closes: a new case with changes asks whether to save it first.
    bool chiusuraConsentita();
    /// Called after each change written to the case: the title, the stale scalare.
    void cambiata();
    /// Called after the recalculation rewrote its choices and result in the case.
    void ricalcoloSalvato() { ++cambiamenti_; }
    /// Called with the new path each time the case is saved under a name.
    std::function<void(const std::string&)> salvata;

    SchedaDati& dati() { return dati_; }
    SchedaMovimenti& movimenti() { return movimenti_; }
    SchedaImportazione& importazione() { return importazione_; }
    SchedaCondizioni& condizioni() { return condizioni_; }
    SchedaScalare& scalare() { return scalare_; }
    SchedaRicalcolo& ricalcolo() { return ricalcolo_; }
    SchedaParole& parole() { return parole_; }
    SchedaAddebiti& addebiti() { return addebiti_; }
    SchedaNote& note() { return note_; }

    // A long work (import, scalare): shown with a progress bar and "Annulla" after half a second.
    void iniziaLavoro(std::string descrizione);
    /// Reports progress (`totale` 0: unknown); false once the user has cancelled.
    bool avanza(std::size_t fatti, std::size_t totale);
    void fineLavoro();
    bool inCorso() const { return inCorso_; }
    std::size_t fatti() const { return fatti_; }
    std::size_t totale() const { return totale_; }
    /// The host shows the progress and lets the screen's events in (the "Annulla" click among them).
    std::function<void()> mostraAvanzamento;
    /// How long a work runs unseen: a short one would only flash.
    std::chrono::milliseconds primaDiMostrare{500};

protected:
    void cliccato(int id) override;
    void selezionato(int id) override;

private:
    bool copiaIn(const std::string& destinazione);

    Contesto& ctx_;
    std::unique_ptr<Pratica> pratica_;
    std::unique_ptr<ModificheMovimenti> modifiche_;
    const ControlliFinestraPratica& c_;
    bool scratch_;
    std::string nome_;
    int cambiamenti_ = 0;
    bool inCorso_ = false, annullato_ = false;
    std::size_t fatti_ = 0, totale_ = 0;
    std::chrono::steady_clock::time_point inizio_;
    SchedaDati dati_;
    SchedaMovimenti movimenti_;
    SchedaImportazione importazione_;
    SchedaCondizioni condizioni_;
    SchedaScalare scalare_;
    SchedaRicalcolo ricalcolo_;
    SchedaParole parole_;
    SchedaAddebiti addebiti_;
    SchedaNote note_;
};

namespace testiFinestraPratica {
inline constexpr const char* titolo = "Pratica";
inline constexpr const char* nonSalvata = " non è stata salvata. Salvarla prima di chiuderla?";
inline constexpr const char* annullato = "Lavoro annullato: la pratica non è cambiata.";
} // namespace testiFinestraPratica

} // namespace vantrel
