#pragma once

#include "account/importi.h"
#include "common/date.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

/// The days a choice of the recalculation applies to: from `dal` to `al`, both included; an end not
/// given is the account's.
struct IntervalloScelta {
    std::optional<Data> dal, al;

    bool contiene(const Data& d) const { return (!dal || *dal <= d) && (!al || d <= *al); }
    /// "", "dal 01/01/2005", "fino al 31/12/2009", "dal 01/01/2005 al 31/12/2009".
    std::string testo() const;

    friend bool operator==(const IntervalloScelta&, const IntervalloScelta&) = default;
};

enum class ModoCapitalizzazione {
    ComeBanca, // at the end of each liquidation period, as the bank did
    Nessuna,   // the interest kept apart, earning no interest
    Annuale,   // once a year
    Norma,     // by the rule in force on each period's last day
};

enum class ModoCms {
    Mantenuta,
    Eliminata,  // not agreed in writing
    EntroSoglia // up to 2009, kept within the quarter's CMS threshold (the CMS average x 1,5)
};

enum class ModoUsura {
    Nessuna,     // the verdicts do not change the charges
    Trimestre,   // a period over the threshold: its interest and every charge set to zero
    DalTrimestre // from the first period over the threshold to the end
};

enum class ModoTassi {
    Contratto, // the conditions' rates
    Inseriti,  // the rates the user enters, from a date each
    Legale,    // the legal rate (art. 1284 c.c.)
    Bot        // the substitute rates of art. 117, paragraph 7, TUB
};

/// A debit and a credit rate the user enters, in force from `dal`: the rates of ModoTassi::Inseriti,
/// and those of ModoTassi::Bot for the periods before the auctions the program holds.
struct TassoInserito {
    Data dal;
    TassoDecimale debitore = 0, creditore = 0;

    friend bool operator==(const TassoInserito&, const TassoInserito&) = default;
};

/// The choices of the legal recalculation of an account, each with the days it applies to (outside
/// them the account goes as the bank kept it). The case keeps them.
struct ScelteRicalcolo {
    ModoCapitalizzazione capitalizzazione = ModoCapitalizzazione::ComeBanca;
    IntervalloScelta periodoCapitalizzazione;
    std::optional<Data> adeguamento; // the day the contract was adapted to the rule of 22/04/2000

    ModoCms cms = ModoCms::Mantenuta;
    IntervalloScelta periodoCms;
    bool commissioniEliminate = false; // the fees on the credit line and for overdrafts (from 2010)
    IntervalloScelta periodoCommissioni;

    ModoUsura usura = ModoUsura::Nessuna;
    IntervalloScelta periodoUsura;

    ModoTassi tassi = ModoTassi::Contratto;
    IntervalloScelta periodoTassi;
    std::vector<TassoInserito> tassiInseriti; // by date

    bool speseOperazioniEliminate = false, speseFisseEliminate = false; // not agreed in writing
    IntervalloScelta periodoSpese;

    bool saldoInizialeZero = false;     // the first statements are missing: the account starts from zero
    std::optional<Data> primaRichiesta; // the first claim; none: no prescription

    friend bool operator==(const ScelteRicalcolo&, const ScelteRicalcolo&) = default;
};

/// One mode of a choice: the word the case file and the command line keep, its name on the screen,
/// and what the report says of it, with its legal reference.
template <class Modo>
struct VoceModo {
    Modo modo;
    const char* chiave;
    const char* nome;
    const char* descrizione;
};

std::span<const VoceModo<ModoCapitalizzazione>> vociCapitalizzazione();
std::span<const VoceModo<ModoCms>> vociCms();
std::span<const VoceModo<ModoUsura>> vociUsura();
std::span<const VoceModo<ModoTassi>> vociTassi();

/// The entry of `modo`, and the mode of a word (no value for another word).
template <class Modo>
const VoceModo<Modo>& voce(std::span<const VoceModo<Modo>> voci, Modo modo) {
    for (const auto& v : voci)
        if (v.modo == modo) return v;
    return voci.front();
}
template <class Modo>
std::optional<Modo> modoDi(std::span<const VoceModo<Modo>> voci, std::string_view chiave) {
    for (const auto& v : voci)
        if (chiave == v.chiave) return v.modo;
    return std::nullopt;
}

/// What is wrong with the choices, in Italian; empty when they can be used: every interval in order,
/// the entered rates by increasing date, a rate entered when the choice needs one.
std::string erroreScelte(const ScelteRicalcolo& s);

} // namespace vantrel
