#pragma once

#include "common/servizi_simulati.h"
#include "program/stato_programma.h"
#include "rates/categoria_conto.h"
#include "teg/campo_periodo.h"
#include "teg/teg_controlli.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

class FinestraCalcolo;

/// One account period to check: the texts of its fields and the controls its choices click.
struct PeriodoDaControllare {
    int riga = 0;                                        // row of the file it was read from
    std::string dal, al;                                 // "dd/mm/yyyy"
    std::array<std::string, kCampiPeriodo.size()> campi; // empty: not given (the days: counted from the dates)
    int ControlliTeg::*valuta = &ControlliTeg::euro;
    const CategoriaConto* categoria = &categorieConto().front();
    int ControlliTeg::*accordato = &ControlliTeg::accordatoFido;
    int ControlliTeg::*norma = &ControlliTeg::normaPerData; // the rule in force on the period's dates
    int ControlliTeg::*formula = &ControlliTeg::calcolaBancaItalia;
};

/// What one check showed: the message boxes and the result row appended to the list.
struct EsitoControllo {
    std::vector<std::string> messaggi;
    std::string riga;
};

/// The batch check: every period on a calculation window loaded afresh, done as a user would:
/// currency, category, accordato and threshold rule; the fields given, in tab order, pasted and
/// left; the dates; the days (or "giorni      >>"); the formula button; "crea report".
/// The message boxes shown during a check are recorded, never shown; the calculation's warnings
/// follow them.
class ControlloPeriodi {
public:
    /// The windows work on `ctx`'s state; its message service is replaced by the recorder.
    explicit ControlloPeriodi(Contesto& ctx);
    ~ControlloPeriodi();
    ControlloPeriodi(const ControlloPeriodi&) = delete;
    ControlloPeriodi& operator=(const ControlloPeriodi&) = delete;

    /// `riepilogo` also writes the calculation summary ("crea report tabellare").
    EsitoControllo controlla(const PeriodoDaControllare& p, bool riepilogo = false);
    /// The window of the last check, as the check left it (loaded once, on the first check).
    FinestraCalcolo& finestra();

private:
    Contesto& ctx_;
    ServizioMessaggi* messaggi_; // the service replaced while the checks run
    RisposteProgrammate risposte_;
    std::unique_ptr<FinestraCalcolo> finestra_;
    bool usata_ = false; // a check has run on the window since it was loaded
};

} // namespace vantrel
