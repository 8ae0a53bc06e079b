#pragma once

#include "common/cartella_lavoro.h"
#include "teg/esito_trimestre.h"

#include <vector>

namespace vantrel {

/// The text of the result column of a quarter over the threshold; the others read "entro soglia".
inline constexpr const char* kOltreSoglia = "OLTRE SOGLIA";
/// The columns of the results table that hold the excess and that result.
inline constexpr std::size_t kColonnaSupero = 7, kColonnaEsito = 8;

/// Quarters checked, quarters over the threshold and the largest excess.
struct TotaliPratica {
    std::size_t trimestri = 0, oltre = 0;
    double superoMassimo = 0;
    const EsitoTrimestre* massimo = nullptr; // the quarter of the largest excess, if any
};
TotaliPratica totaliPratica(const std::vector<EsitoTrimestre>& esiti);

/// The results table, one row per quarter: period, category and class, TEG, threshold, excess and
/// result, rule, formula, partial rates, messages. Quarters over the threshold are highlighted.
Foglio foglioRiepilogo();
void accodaRiepilogo(Foglio& f, const EsitoTrimestre& e);
/// The totals below the rows, as formulas over them.
void totaliRiepilogo(Foglio& f, const std::vector<EsitoTrimestre>& esiti);

/// The workbook of an account: the results table, the figures of every quarter, the rates used.
CartellaLavoro cartellaPratica(const std::vector<EsitoTrimestre>& esiti);

} // namespace vantrel
