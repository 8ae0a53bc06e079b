#pragma once

#include "casefile/pratica.h"
#include "casefile/ricalcolo_pratica.h"
#include "program/stato_programma.h"
#include "recalculation/rideterminazione.h"
#include "recalculation/tassi_pubblici.h"

#include <string>

namespace vantrel {

/// A case ready to be recalculated again and again under other choices: its movements summed by
/// day, its conditions, its scalare checked period by period on the bank's figures (once, and kept
/// in the case as `vantrel-cli pratica ricalcola` keeps it), and the public rates of the program
/// folder. Each recalculation keeps its choices and its result in the case, so that the report is
/// written from the case alone.
class RicalcoloLegale {
public:
    /// `dopo` sees each period checked, as ricalcola gives it.
    RicalcoloLegale(Pratica& p, Contesto& ctx, const DopoPeriodo& dopo = {});

    /// What stops any recalculation (the scalare's error); empty when the case can be recalculated.
    const std::string& errore() const { return banca_.errore; }
    const Ricalcolo& banca() const { return banca_; }
    const TassiPubblici& pubblici() const { return pubblici_; }

    /// Recalculates under `s` and keeps the choices and the result in the case (not in a case open
    /// read-only); the error of either is in the result's `errore`.
    Rideterminazione applica(const ScelteRicalcolo& s);

private:
    Pratica& pratica_;
    Contesto& ctx_;
    GiorniConto giorni_;
    std::vector<RigaCondizioni> condizioni_;
    OpzioniScalare opzioni_;
    Ricalcolo banca_;
    TassiPubblici pubblici_;
};

} // namespace vantrel
