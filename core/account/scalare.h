#pragma once

#include "account/condizioni.h"
#include "account/giorni_conto.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// Which balance the scalare follows.
enum class SaldoScalare {
    Banca,       // the movements as they stand: the bank's own entries count where it debited them
    Ricalcolato, // the bank's entries left out, the charges worked out here counted in their place
};

/// Where the interest worked out for a period goes, when the balance is recalculated. Commissions and
/// expenses enter the balance at the period's end whatever the choice: only interest can be kept
/// from earning interest.
enum class Capitalizzazione {
    FinePeriodo, // added to the balance from the day after the period's end
    Annuale,     // added, with that of the year's other periods, after the last period of the year
    Nessuna,     // kept apart: due, but never part of the balance, so it earns no interest
};

/// From the period whose last day is `dal` or later, the interest goes as `modo` says.
struct TrattoCapitalizzazione {
    Data dal;
    Capitalizzazione modo = Capitalizzazione::FinePeriodo;
};

/// The bank's charges of a period entered by hand, in place of those found among the movements; the
/// rows of days of one period add up.
struct AddebitiInseriti {
    Data giorno;                                    // any day of the period
    std::array<Centesimi, kTipiAddebito> importi{}; // by kind, as debits (a charge is positive)

    friend bool operator==(const AddebitiInseriti&, const AddebitiInseriti&) = default;
};

/// The choices of one run of the scalare.
struct OpzioniScalare {
    SaldoScalare saldo = SaldoScalare::Banca;
    Capitalizzazione capitalizzazione = Capitalizzazione::FinePeriodo;
    /// Other choices by date, in increasing order; before the first, `capitalizzazione`.
    std::vector<TrattoCapitalizzazione> capitalizzazioni;
    Centesimi saldoIniziale = 0; // the balance before the first day
    /// The first and last day worked out; by default from the first movement to the end of the
    /// period of the last. Movements before `dal` only make the opening balance.
    std::optional<Data> dal, al;
    std::vector<AddebitiInseriti> addebitiInseriti;
};

/// What the conditions give for one period, each figure rounded to the cent at the period's end.
struct Competenze {
    Centesimi interessiDebitori = 0;  // on the debit balance within the line
    Centesimi interessiExtrafido = 0; // on the debit balance over the line
    Centesimi interessiCreditori = 0; // gross
    Centesimi ritenuta = 0;           // withholding tax on them
    Centesimi cms = 0;
    Centesimi commissioneFido = 0;
    Centesimi commissioneSconfinamento = 0;
    Centesimi speseOperazioni = 0;
    Centesimi speseFisse = 0;

    /// What the customer is charged: interest, commissions and expenses.
    Centesimi addebiti() const;
    /// The debit interest less the net credit interest.
    Centesimi interessi() const { return interessiDebitori + interessiExtrafido - (interessiCreditori - ritenuta); }
    /// Commissions and expenses.
    Centesimi oneri() const { return addebiti() - interessiDebitori - interessiExtrafido; }
    /// The charges less the net credit interest: what the period's closing takes from the balance.
    Centesimi netto() const { return interessi() + oneri(); }
};

/// One liquidation period of the scalare. "Numeri" are balances times days, in cents times days.
struct PeriodoScalare {
    Data dal, al;
    int giorni = 0;
    Centesimi saldoIniziale = 0, saldoFinale = 0; // by value date, before the period's closing
    Centesimi saldoChiuso = 0;                    // by value date, after the period's closing
    Centesimi interessiAParte = 0;                // the interest kept apart so far, after the period's closing
    std::int64_t numeriEntroFido = 0, numeriExtrafido = 0, numeriCreditori = 0;
    Centesimi massimoScoperto = 0; // the highest debit balance (0 when always in credit)
    Centesimi fido = 0;            // the credit line in force on the last day
    int giorniADebito = 0, giorniOltreFido = 0;
    int sconfinamenti = 0; // times the balance went over the line
    int operazioni = 0;    // the customer's movements registered in the period
    Competenze calcolate;
    std::array<Centesimi, kTipiAddebito> banca{}; // the bank's entries by kind, as debits
    bool bancaInserita = false;                   // entered by hand, not found among the movements

    std::int64_t numeriDebitori() const { return numeriEntroFido + numeriExtrafido; }
    Centesimi totaleBanca() const;
    /// The charges worked out less those the bank debited: positive when the bank took less.
    Centesimi differenza() const { return calcolate.netto() - totaleBanca(); }
};

/// One day of the scalare: the balance at its end, by value date.
struct GiornoScalare {
    Data giorno;
    Centesimi saldo = 0;
    std::size_t periodo = 0; // index of its period
};

struct RisultatoScalare {
    std::vector<PeriodoScalare> periodi;
    std::string errore; // in Italian; the periods are empty then
    /// The interest kept apart by Capitalizzazione::Nessuna, at the end.
    Centesimi interessiAParte = 0;
};

/// The scalare: the account's balance day by day by value date and, for every liquidation period,
/// the numeri, the highest debit balance, the days over the line and the charges the conditions give.
///
/// Conventions:
/// - The balance of a day is the opening balance plus every movement whose value date is that day
///   or before; a day's numeri are its balance times one day. Debit numeri within the line are
///   min(debit, credit line), over the line the rest; without a credit line every debit is over it.
/// - Each day uses the conditions in force on it, so a rate that changes mid-period splits the
///   numeri: interest = sum of numeri x rate / (100 x divisor), exact, rounded to the cent (half
///   away from zero) once at the period's end, each kind of charge on its own.
/// - The CMS is the rate in force on the period's last day times its highest debit balance; the
///   fee on the credit line is the line x rate x days / divisor, day by day; the overdraft fee is
///   charged each day the balance goes from within the line to over it; expenses per movement
///   count the customer's movements by operation date (not the bank's entries); fixed expenses
///   are those in force on the last day. The withholding tax is the one on the last day (the
///   conditions' or the law's) on the gross credit interest, rounded to the cent.
/// - A period ends at the end of the calendar quarter, half-year or year of its first day, by the
///   liquidation in force on that day.
/// - The bank's entries (found by ParoleAddebiti) belong to the period of their value date. Those
///   valued on a period's last day are its closing: like the charges worked out, they enter the
///   balance after that day's numeri.
/// `ogniGiorno`, when given, sees every day in order.
RisultatoScalare calcolaScalare(const GiorniConto& giorni, const std::vector<RigaCondizioni>& condizioni,
                                const OpzioniScalare& opzioni = {},
                                const std::function<void(const GiornoScalare&)>& ogniGiorno = {});

} // namespace vantrel
