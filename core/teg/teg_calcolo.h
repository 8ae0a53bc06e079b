#pragma once

#include "common/finestra.h"
#include "programma/stato_programma.h"
#include "teg/catena_soglia.h"
#include "teg/soglie.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class ListaReport;
struct TegIds;

/// The "calcolo T.E.G. " tab of the calculation window: the period record held by its fields,
/// the derived figures, the two TEG formulas with their partial rates, the rate grid of the year,
/// the threshold of the period and the result row.
///
/// Every operation reads the field texts afresh. A step whose conversion fails (an empty or
/// non-numeric field, a division by zero) is skipped without a message: its output field keeps
/// its text and its value counts as 0 in the later steps.
class TegCalcolo : public ParteFinestra {
public:
    TegCalcolo(Finestra& f, Contesto& ctx, ListaReport& lista);
    static void definisci(Schema& s);

    /// The window load: dates, rate table, years, categories (the header block goes to the list).
    void carica(bool caricaTassi = true);

    void TegBancaItalia();
    void TegGlobale();
    void TassiPeriodo();
    void SogliaPeriodo();
    void RigaReport();
    void giorni();
    /// The CMS regrouping: `primo` runs the ComMS2 case, `secondo` the ComMS case.
    void raggruppaCms(bool primo, bool secondo);

    /// Whether the formula buttons first set the empty amount fields of the period to "0" and say so
    /// in the help box, so that the headline TEG counts every charge (on by default). A batch that
    /// reads an empty cell as a field not given turns it off.
    void vuotiAZero(bool attivo) { vuotiAZero_ = attivo; }
    /// How the last calculation reached its threshold, as the lines of the summary's audit block.
    std::vector<std::string> righeCatenaSoglia() const;
    /// Notes of the last calculation that need no answer (shown in the help box).
    const std::vector<std::string>& avvisi() const { return avvisi_; }

    bool tasto(int id, const Battuta& b, std::optional<std::string>& r) override;
    bool cambiato(int id) override;
    bool uscito(int id) override;
    bool cliccato(int id) override;
    bool selezionato(int id) override;

private:
    std::optional<double> valore(int id) const;
    const std::string& maschera() const { return ctx_.stato.MascheraImporti; }
    void riformatta(int id);
    void periodo(const char* dal, const char* al);
    void striscia(bool bancaItalia);
    void annoDelPeriodo();
    void azzeraVuoti();
    void sogliaNonDisponibile(const std::string& avviso);
    void medie();
    /// The rule the user chose; none when it follows the date of the period.
    std::optional<Norma> normaScelta() const;
    Norma normaDelTrimestre(int trimestre, int anno) const;

    Finestra& f_;
    Contesto& ctx_;
    ListaReport& lista_;
    const TegIds& c_;
    bool vuotiAZero_ = true;
    std::array<bool, 4> trovati_{}; // quarters of the grid found in the rate table by the last fill
    CatenaSoglia catena_;
    std::vector<std::string> avvisi_;
};

} // namespace vantrel
