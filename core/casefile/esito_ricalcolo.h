#pragma once

#include "account/importi.h"
#include "account/parole_addebiti.h"
#include "common/date.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

/// One period of the legal recalculation, side by side with the bank: what the bank debited, found
/// among the movements by kind, and what the recalculation charges; the balances by value date after
/// the period's closing both ways.
struct RigaRicalcolo {
    Data dal, al;
    std::array<Centesimi, kTipiAddebito> banca{}; // interessi, competenze, commissioni, spese, as debits
    Centesimi interessi = 0;                      // recalculated: debit interest less the net credit interest
    Centesimi cms = 0;
    Centesimi commissioni = 0; // on the credit line and for overdrafts
    Centesimi spese = 0;
    Centesimi saldoBanca = 0, saldoRicalcolato = 0;
    Centesimi interessiAParte = 0;                       // recalculated interest kept out of the balance so far
    TassoDecimale tassoDebitore = 0, tassoCreditore = 0; // of the recalculation, on the last day
    std::string nota;                                    // what a choice did to the period, in Italian

    Centesimi totaleBanca() const { return banca[0] + banca[1] + banca[2] + banca[3]; }
    Centesimi totaleRicalcolo() const { return interessi + cms + commissioni + spese; }
    /// The recalculated position (the balance less the interest kept apart) less the bank's balance:
    /// positive when the bank took more.
    Centesimi differenza() const { return saldoRicalcolato - interessiAParte - saldoBanca; }

    friend bool operator==(const RigaRicalcolo&, const RigaRicalcolo&) = default;
};

/// A remittance made more than ten years before the first claim while the account was over its
/// credit line ("rimessa solutoria"), and the part of the amounts unduly charged it paid, which is
/// prescribed.
struct RimessaSolutoria {
    Data giorno;             // value date
    Centesimi importo = 0;   // the day's net credit
    Centesimi solutoria = 0; // the part that paid the debt over the line
    Centesimi prescritta = 0;

    friend bool operator==(const RimessaSolutoria&, const RimessaSolutoria&) = default;
};

/// The outcome of the legal recalculation. The recalculated final balance ("saldo rideterminato")
/// is the balance by value date less the interest kept apart, which is owed all the same. What the
/// bank took beyond it is the difference; the prescribed part is left out, and what remains first
/// lowers the customer's debt at the bank's balance and then is given back.
struct EsitoRicalcolo {
    Centesimi saldoBanca = 0;       // after the last closing
    Centesimi saldoRicalcolato = 0; // by value date, after the last closing
    Centesimi interessiAParte = 0;
    Centesimi prescritto = 0; // never more than the difference
    bool prescrizione = false;
    std::string avvisi;        // what the recalculation could not do as chosen, one per line
    std::string versioneDati;  // the rate data used
    std::string dataRicalcolo; // dd/mm/yyyy

    Centesimi saldoRideterminato() const { return saldoRicalcolato - interessiAParte; }
    Centesimi differenza() const { return saldoRideterminato() - saldoBanca; }
    Centesimi differenzaDopoPrescrizione() const { return differenza() - prescritto; }
    /// The part of the difference that lowers the debt shown by the bank.
    Centesimi minoreDebito() const;
    /// The part of the difference the bank must pay back.
    Centesimi daRestituire() const;

    friend bool operator==(const EsitoRicalcolo&, const EsitoRicalcolo&) = default;
};

/// What a case keeps of its last legal recalculation.
struct RicalcoloSalvato {
    std::vector<RigaRicalcolo> righe;
    EsitoRicalcolo esito;
    std::vector<RimessaSolutoria> rimesse;

    friend bool operator==(const RicalcoloSalvato&, const RicalcoloSalvato&) = default;
};

} // namespace vantrel
