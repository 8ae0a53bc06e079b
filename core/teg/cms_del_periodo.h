#pragma once

#include "common/finestra.h"
#include "rates/tabella_tassi.h"
#include "teg/verifica_cms.h"

namespace vantrel {

/// The quarter's CMS average: the CMS slot of the rate table (the rate window's "CMS media (%)"); none
/// when the table lacks the quarter or its CMS average (the decrees published it only in footnotes).
std::optional<TassoEsatto> cmsMediaDelTrimestre(const TabellaTassi& t, int trimestre, int anno);

/// The figures of the separate CMS test as the calculation tab `f` shows them after a calculation.
DatiCms datiCmsDelPeriodo(const Finestra& f, const TabellaTassi& t, bool bancaItalia, Norma norma, LetturaCms lettura);

/// Writes the test's figures and verdict in the CMS frame of `f` (all empty when there is nothing to
/// show); returns the notes the calculation owes the user (the CMS average or the highest overdraft
/// missing).
std::vector<std::string> mostraVerificaCms(Finestra& f, const DatiCms& d, const EsitoCms& e);

/// The text the CMS frame shows when no calculation has run.
void azzeraVerificaCms(Finestra& f);

inline constexpr const char* kCmsMediaMancante =
    "CMS media del trimestre non disponibile: inseriscila nella finestra dei tassi";
inline constexpr const char* kMassimoScopertoMancante =
    "Massimo scoperto del periodo non indicato: senza di esso il tasso della CMS non si calcola e la CMS resta da "
    "verificare";

} // namespace vantrel
