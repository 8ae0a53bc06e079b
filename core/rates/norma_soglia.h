#pragma once

#include "common/date.h"
#include "rates/tasso_esatto.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// The two threshold rules: the average increased by half, and from 14/05/2011 the average
/// increased by a quarter plus 4 points, never more than 8 points above the average.
enum class Norma { Vecchia, Nuova };

/// The day the rule of the average x 1,25 + 4 took effect.
inline constexpr Data kInizioNuovaNorma{2011, 5, 14};

/// The rule's threshold for an average, in exact decimals and never rounded: 9,87 x 1,5 = 14,805;
/// 7,3839 x 1,25 + 4 = 13,229875. The only threshold function of the program: whichever rule is in
/// force or chosen, every window, the command line and the loan check decide with it.
TassoEsatto sogliaSecondoRegola(const TassoEsatto& tegm, Norma norma);
/// The same for an average written as a field or the rate table shows it ("9,87"); none when the
/// text is not a rate.
std::optional<TassoEsatto> sogliaDelTesto(std::string_view media, Norma norma);

/// The rule in force for a period that begins on `inizio`: the new one when it begins on or after
/// 14/05/2011; otherwise the old one, also for a period across the change (the thresholds published
/// for its quarter).
Norma normaDelPeriodo(const Data& inizio);
/// Whether a period begins before 14/05/2011 and ends on or after it.
bool periodoACavallo(const Data& inizio, const Data& fine);

/// The rule of a quarter as the thresholds were published: old up to the 2nd quarter of 2011, new
/// from the 3rd.
Norma normaDelTrimestre(int trimestre, int anno);
/// The same for a stored period key (32004); a key without a quarter counts as its first quarter,
/// an unreadable one as a period of today's rule.
Norma normaDellaChiave(std::string_view periodo);

/// "vecchia norma" / "nuova norma" and the formula in words.
std::string nomeNorma(Norma norma);
std::string formulaNorma(Norma norma);

/// The rule written out with its figures: "11,70 x 1,25 + 4 = 18,625", "18,00 + 8 = 26,00 (tetto
/// di 8 punti)", "7,13 x 1,5 = 10,695"; the result is the exact threshold of the average.
std::string formulaSoglia(const TassoEsatto& media, Norma norma);

} // namespace vantrel
