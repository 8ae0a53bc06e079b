#pragma once

#include "rates/tabella_tassi.h"
#include "teg/controllo_periodo.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

class Finestra;

/// The partial rates of the decomposition, as the window shows them.
inline constexpr std::array<int ControlliTeg::*, 5> kParziali = {&ControlliTeg::tegInteressi, &ControlliTeg::tegCms,
                                                                 &ControlliTeg::tegAltriInteressi,
                                                                 &ControlliTeg::tegSpese, &ControlliTeg::tegAltriOneri};

/// One checked quarter of an account, as the calculation window left it.
struct EsitoTrimestre {
    int riga = 0; // row of the file
    std::string dal, al, categoria, valuta, norma, formula;
    int classe = 1;                              // class of amount, 1 to 3
    std::string periodoTassi;                    // key of the quarter in the rate table ("32004")
    std::string voceTasso;                       // the average rate used ("TM1")
    bool inTabella = false;                      // the rate table holds the quarter
    std::string teg, soglia, supero, tassoMedio; // as the fields show them
    std::string esitoCms;                        // the verdict of the CMS frame (periods up to 2009 apart)
    std::array<std::string, kParziali.size()> parziali;
    std::array<std::string, kCampiPeriodo.size()> dati; // the figures of the period, as the fields show them
    std::vector<std::string> messaggi;
    std::string rigaReport;
    std::vector<std::string> riepilogo; // the calculation summary, kept for the quarters over the threshold

    bool oltreSoglia() const { return !supero.empty(); }
};

/// Reads the outcome of a check from the calculation window `w` that ran it.
EsitoTrimestre esitoTrimestre(const Finestra& w, const TabellaTassi& tassi, const PeriodoDaControllare& p,
                              EsitoControllo e);

} // namespace vantrel
