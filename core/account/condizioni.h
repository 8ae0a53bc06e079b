#pragma once

#include "account/importi.h"
#include "common/date.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// How often the bank closes the account and debits (or credits) what it computed: the periods are
/// calendar quarters, half-years or years.
enum class Liquidazione { Trimestrale, Semestrale, Annuale };

/// One row of the contract's conditions, in force from `dal` until the next row. Amounts in cents,
/// rates in ten-thousandths of a percent.
struct RigaCondizioni {
    Data dal;
    Centesimi fido = 0;                     // the credit line; 0: none, every debit is over the line
    TassoDecimale tassoDebitore = 0;        // % a year on the debit balance within the line
    TassoDecimale tassoExtrafido = 0;       // % a year on the debit balance over the line
    TassoDecimale tassoCreditore = 0;       // % a year on the credit balance
    TassoDecimale cms = 0;                  // % of the period's highest debit balance (before 2010)
    TassoDecimale commissioneFido = 0;      // % a year of the credit line (from 2010)
    Centesimi commissioneSconfinamento = 0; // each time the balance goes over the line (from 2010)
    Centesimi speseOperazione = 0;          // for each movement registered
    Centesimi spesePeriodo = 0;             // for each liquidation period
    Liquidazione liquidazione = Liquidazione::Trimestrale;
    int divisore = 365;                    // days of the year in the interest formula: 365 or 360
    std::optional<TassoDecimale> ritenuta; // withholding tax on credit interest; none: the law's on the date

    friend bool operator==(const RigaCondizioni&, const RigaCondizioni&) = default;
};

/// The withholding tax the law sets on credit interest capitalised on `d`: 27 % up to 31/12/2011,
/// 20 % from 01/01/2012 to 30/06/2014, 26 % from 01/07/2014.
TassoDecimale ritenutaDiLegge(const Data& d);

/// The last day of the liquidation period that contains `d`.
Data finePeriodo(const Data& d, Liquidazione l);

/// What is wrong with a table of conditions, in Italian (rows numbered from 1); empty when it can be
/// used: at least one row, dates in increasing order and never repeated, divisor 365 or 360.
std::string erroreCondizioni(const std::vector<RigaCondizioni>& righe);

/// "trimestrale", "semestrale", "annuale" and back (case aside); no value for another word.
std::string testoLiquidazione(Liquidazione l);
std::optional<Liquidazione> leggiLiquidazione(std::string_view testo);

} // namespace vantrel
