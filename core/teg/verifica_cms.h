#pragma once

#include "common/date.h"
#include "rates/classe_importo.h"
#include "rates/norma_soglia.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The last day of a period whose published averages left the maximum-overdraft commission (CMS)
/// out: up to it the CMS is judged on its own (Cass. SS.UU. 16303/2018), after it inside the TEG.
inline constexpr Data kFineCmsSeparata{2009, 12, 31};

/// How a period up to 31/12/2009 with a CMS is judged: apart from the TEG (the united sections of
/// the Court of Cassation, n. 16303/2018) or with the CMS inside the TEG, as some courts still do.
enum class LetturaCms { Separata, NelTeg };

/// The verdict of a CMS the interest margin compensates, as the result row ends with it.
inline constexpr const char* kCmsEntroSoglia = "entro la soglia";

/// The figures of a period that the separate test of the CMS reads. An empty figure is one the
/// user did not give (or the rate table does not hold): never read as 0.
struct DatiCms {
    std::optional<Data> fine; // the period's last day
    bool bancaItalia = true;  // the Bank of Italy formula (expenses over the accordato); else the global one
    std::optional<double> interessi, altriInteressi, spese, altriOneri; // the charges without the CMS
    std::optional<double> cmsInteressi, cmsSpese;                       // the CMS charged, on either side
    std::optional<double> massimoScoperto;                              // the period's highest overdraft
    std::optional<double> numeri;                                       // numeri debitori
    std::optional<double> divisore;                                     // days of the year x 100, as for the TEG
    std::optional<double> fido;                                         // the accordato (Bank of Italy formula)
    std::optional<TassoEsatto> soglia;                                  // the period's threshold
    std::optional<TassoEsatto> cmsMedia;                                // the quarter's CMS average
    Norma norma = Norma::Vecchia;                                       // the rule of the period's threshold
    LetturaCms lettura = LetturaCms::Separata;
    Valuta valuta = Valuta::Euro;
};

/// What the test found. Every figure is written as the screen shows it: the rates with three
/// decimals, the CMS threshold exact, the amounts with the currency's mask; "n.d." for a figure
/// that a missing one keeps from being worked out; all empty when the test does not apply.
struct EsitoCms {
    enum class Caso { SenzaCms, CmsNelTeg, LetturaNelTeg, DaVerificare, Entro, OltreInteressi, OltreCms };
    Caso caso = Caso::SenzaCms;
    std::string tegSenzaCms, tassoCms, sogliaCms, eccedenza, margine;
    std::string esito; // the verdict's words
    bool cmsMediaMancante = false;
    bool massimoScopertoMancante = false;

    /// Whether the separate test was run (a period up to 31/12/2009 with a CMS, judged apart).
    bool applicata() const { return caso >= Caso::DaVerificare; }
};

/// The separate test of the CMS of a period ending on or before 31/12/2009:
/// - the TEG without the CMS (the period's formula with the CMS term left out) against the threshold;
/// - the CMS rate, CMS x 100 / highest overdraft, against the CMS threshold (the rule on the average);
/// - when only the CMS rate is over, the CMS excess (CMS - CMS threshold x highest overdraft / 100)
///   against the interest margin ((threshold - TEG without CMS) x numeri debitori / divisor): over
///   the threshold only when the excess is the larger.
/// Rates are compared as shown (three decimals), amounts to the cent, so that every step can be done
/// again from the figures printed.
EsitoCms verificaCms(const DatiCms& d);

/// The audit lines of the test for the calculation summary: every figure with its formula, the
/// reading used and the judgment it follows. `maschera` writes the amounts.
std::vector<std::string> righeVerificaCms(const DatiCms& d, const EsitoCms& e, std::string_view maschera);

} // namespace vantrel
