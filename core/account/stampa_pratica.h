#pragma once

#include "common/cartella_lavoro.h"
#include "common/date.h"
#include "common/servizi.h"
#include "teg/esito_trimestre.h"

#include <string>
#include <vector>

namespace vantrel {

/// What the print of a whole account shows.
struct DatiStampaPratica {
    std::string nome; // the account
    Data oggi;
    const std::vector<EsitoTrimestre>* esiti = nullptr;
    const Foglio* tabella = nullptr; // the results table with its totals
    std::string grafico;             // PNG; empty: no chart page
    int righePerPagina = 0;          // of the results table, landscape
};

/// The print of a whole account, in landscape: a cover with the account's name, the date and the
/// totals; the results table, the quarters over the threshold in bold, its header on every page;
/// the chart; then, in portrait, the calculation summary of each quarter over the threshold, one
/// to a page. Returns the printer's error text, empty on success.
std::string stampaPratica(Stampante& s, const DatiStampaPratica& d);

} // namespace vantrel
