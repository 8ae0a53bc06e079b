#pragma once

#include "common/date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// Cent rounding, halves away from zero, done on the figure times 100 as the plan has always done.
double arrotondaEuro(double x);

/// A disbursement date: exactly 10 characters that read as a date; no value otherwise.
std::optional<Data> leggiDataErogazione(std::string_view sdat);

/// The fixed instalment of a French loan: P x i / (1 - (1 + i)^-n), with i = tasso / 100 / ratePerAnno.
double formulaRata(double importo, double tasso, std::int16_t ratePerAnno, double numRate);

/// The amount that a fixed instalment repays: R / (i (1 + i)^n / ((1 + i)^n - 1)).
double formulaImporto(double rata, double tasso, std::int16_t ratePerAnno, double numRate);

/// The number of instalments, rounded to the nearest whole number (halves up); no value when
/// the instalment does not cover the first interest or the arithmetic fails.
std::optional<double> formulaNumeroRate(double rata, double importo, double tasso, std::int16_t ratePerAnno);

/// Rounding to 4 decimals, halves away from zero, as the TAEG search compares its sums.
double arrotonda4(double x);

} // namespace vantrel
