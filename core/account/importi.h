#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// Money in an account is counted in integer cents, never in a double: a sum of 50.000 movements
/// must give the bank's balance to the cent.
using Centesimi = std::int64_t;

/// A rate in ten-thousandths of a percent (8,5 % is 85.000), exact as a contract writes it.
using TassoDecimale = std::int64_t;
inline constexpr TassoDecimale kUnoPerCento = 10000;

/// An amount as Italian statements write it: "1.234,56", "-50", "+12,5", "1234,56" (dots in groups
/// of three), a trailing minus ("50,00-"), a euro sign and blanks around it; a single dot followed
/// by one or two digits and no comma is a decimal point ("12.50"). More than two decimals are
/// accepted only when they are zeros, at most twelve digits before them. No value for anything else: "12.5.0" or
/// "1,005" are refused, never read as another amount.
std::optional<Centesimi> leggiCentesimi(std::string_view testo);

/// "1.234,56", "-0,50": the amount with its two decimals and thousands dots.
std::string testoCentesimi(Centesimi c);

/// A percentage with at most four decimals ("8,5", "0,125", "13.75", "9,875%"), read as the rate set reads
/// a rate (leggiTasso: one separator, from 0 to 100); no value otherwise.
std::optional<TassoDecimale> leggiTassoDecimale(std::string_view testo);

/// "8,5", "0,125", "12": the shortest text of a rate.
std::string testoTasso(TassoDecimale t);

} // namespace vantrel
