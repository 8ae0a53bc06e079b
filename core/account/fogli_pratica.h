#pragma once

#include "common/cartella_lavoro.h"
#include "teg/esito_trimestre.h"

#include <vector>

namespace vantrel {

/// The text of the result column of a quarter over the threshold; the others read "entro soglia".
inline constexpr const char* kOltreSoglia = "OLTRE SOGLIA";
/// The columns of the results table that hold the excess and that result, and the verdict of the
/// separate CMS test of a quarter up to 2009.
inline constexpr std::size_t kColonnaSupero = 7, kColonnaEsito = 8, kColonnaEsitoCms = 9;
/// How the verdict of a CMS over its threshold begins.
inline constexpr const char* kCmsOltreSoglia = "oltre la soglia";

/// Quarters checked, quarters over the threshold, those up to 2009 over it by the separate CMS test,
/// and the largest excess.
struct TotaliPratica {
    std::size_t trimestri = 0, oltre = 0, cmsOltre = 0;
    double superoMassimo = 0;
    const EsitoTrimestre* massimo = nullptr; // the quarter of the largest excess, if any
};
TotaliPratica totaliPratica(const std::vector<EsitoTrimestre>& esiti);

/// The results table, one row per quarter: period, category and class, TEG, threshold, excess and
/// result, the separate CMS test, rule, formula, partial rates, messages. Quarters over the threshold are highlighted.
Foglio foglioRiepilogo();
void accodaRiepilogo(Foglio& f, const EsitoTrimestre& e);
/// The totals below the rows, as formulas over them.
void totaliRiepilogo(Foglio& f, const std::vector<EsitoTrimestre>& esiti);

/// The workbook of an account: the results table, the figures of every quarter, the rates used.
CartellaLavoro cartellaPratica(const std::vector<EsitoTrimestre>& esiti);

} // namespace vantrel
