#pragma once

#include "common/controlli.h"
#include "common/date.h"
#include "common/finestra.h"
#include "program/stato_programma.h"

namespace vantrel {

// The controls of the calendar window.
// clang-format off
#define VANTREL_CONTROLLI_CALENDARIO(X)                                                                                \
    X(etichettaData1, "LblCal1", Etichetta, .testo = "Calendario 1")                                                   \
    X(data1, "CAL1", Data, .tab = 1)                                                                                   \
    X(etichettaData2, "LblCal2", Etichetta, .testo = "Calendario 2")                                                   \
    X(data2, "Cal2", Data, .tab = 2)                                                                                   \
    X(etichettaGiorniTraLeDate, "LblNrgg", Etichetta, .testo = "nr.  giorni tra data 1 e data 2")                      \
    X(giorniTraLeDate, "nrgg", Testo, .solaLettura = true, .tab = 3)                                                   \
    X(etichettaGiorniDaAggiungere, "LblGiorni", Etichetta, .testo = "data 2 = data1 + nr giorni")                      \
    X(giorniDaAggiungere, "Giorni", Testo, .lunghezzaMassima = 12, .tab = 4)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliCalendario, VANTREL_CONTROLLI_CALENDARIO)

/// The calendar window: two month calendars, the day count between them (`nrgg`, filled on a click
/// on a day) and `Giorni`, a number of days that sets date 2 to date 1 plus that many days.
/// Dates are held as "dd/mm/yyyy" texts in `CAL1` and `Cal2`.
class Calendario : public Finestra {
public:
    /// The days the calendars can show.
    static constexpr Data kPrimoGiorno{1601, 1, 1};
    static constexpr Data kUltimoGiorno{9999, 12, 31};

    explicit Calendario(Contesto& ctx);
    static const Schema& schemaCalendario();

    Data data1() const;
    Data data2() const;
    /// A click on a day of `CAL1` or `Cal2`: the calendar shows that day and the count is updated.
    void scegliGiorno(std::string_view calendario, const Data& giorno);

    void contaGiorni();
    void sommaGiorni();

protected:
    std::optional<std::string> tasto(int id, const Battuta& b) override;
    void cambiato(int id) override;
    void cliccato(int id) override;

private:
    Contesto& ctx_;
    const ControlliCalendario& c_;
};

} // namespace vantrel
