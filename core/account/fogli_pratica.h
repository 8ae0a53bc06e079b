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
/// Counts one more quarter into `t` (`massimo` may then point at `e`).
void aggiungiTrimestre(TotaliPratica& t, const EsitoTrimestre& e);

/// The results table, one row per quarter: period, category and class, TEG, threshold, excess and
/// result, the separate CMS test, rule, formula, partial rates, messages. Quarters over the threshold are highlighted.
Foglio foglioRiepilogo();
void accodaRiepilogo(Foglio& f, const EsitoTrimestre& e);
/// The totals below the rows, as formulas over them.
void totaliRiepilogo(Foglio& f, const std::vector<EsitoTrimestre>& esiti);
/// The same for `t` over `righe` rows, the sheet's rows kept elsewhere (a workbook written as it goes).
std::vector<std::vector<Cella>> totaliRiepilogo(const TotaliPratica& t, std::size_t righe);

/// The workbook of an account: the results table, the figures of every quarter, the rates used.
CartellaLavoro cartellaPratica(const std::vector<EsitoTrimestre>& esiti);

/// The same a quarter at a time, for a workbook written as the quarters are checked: its sheets
/// without rows, and the row of the n-th quarter (from 1) on each, in the sheets' order.
CartellaLavoro cartellaPraticaVuota();
std::vector<std::vector<Cella>> righePratica(const EsitoTrimestre& e, std::size_t n);

} // namespace vantrel
