#pragma once

#include "case_window/tabella_celle.h"
#include "recalculation/pannello_ricalcolo.h"

#include <memory>
#include <string>

namespace vantrel {

class FinestraPratica;

/// The "Ricalcolo" tab: the panel of the legal recalculation over the window's case, with its table
/// as a grid shows it. The panel is made when the tab is first shown (opening a case checks
/// nothing) and worked out again when the tab is shown after the case changed, or at once when the
/// case is now another file ("Salva con nome...").
class SchedaRicalcolo {
public:
    SchedaRicalcolo(FinestraPratica& f, std::string versioneProgramma);
    ~SchedaRicalcolo();

    /// The panel up to date with the case, made or worked out again when it is not.
    PannelloRicalcolo& mostra();
    /// The panel; none before the tab was first shown.
    PannelloRicalcolo* pannello() { return pannello_.get(); }
    /// The case changed: the panel is worked out again when the tab is next shown.
    void invalida() { aggiornato_ = false; }
    /// The case is now another file: the panel, if made, moves to it at once.
    void riapri();
    bool aggiornato() const { return pannello_ && aggiornato_; }
    TabellaCelle& tabella() { return tabella_; }

private:
    void ricalcolato();

    FinestraPratica& f_;
    std::string versione_;
    std::unique_ptr<PannelloRicalcolo> pannello_;
    TabellaFoglio tabella_;
    bool aggiornato_ = false;
};

} // namespace vantrel
