#pragma once

#include "common/program_state.h"
#include "common/window.h"
#include "teg/soglie.h"

#include <optional>
#include <string>

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
    void medie();
    Norma norma() const;

    Finestra& f_;
    Contesto& ctx_;
    ListaReport& lista_;
    const TegIds& c_;
};

} // namespace vantrel
