#pragma once

#include "common/servizi.h"
#include "program/stato_programma.h"

#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

/// Whether a line of the result list prints bold: it names an account, a bank or a cash desk.
bool rigaInGrassetto(const std::string& riga);

/// The result-list print: landscape, a title, 7 spaces of indent, bold for the lines that name an
/// account, a bank or a cash desk, `righePerPagina` lines a page counting the footer.
/// Returns the printer's error text, empty on success.
std::string stampaListaRisultati(Stampante& s, const std::vector<std::string>& righe, int righePerPagina);

/// The print of the text window: the printer's own orientation, 11 spaces of indent, every line bold.
std::string stampaTestoFinestra(Stampante& s, const std::vector<std::string>& righe, int righePerPagina);

/// Prints a result list on the context's printer with the landscape lines per page, as the named document.
void stampaRisultati(Contesto& ctx, const std::vector<std::string>& righe, const std::string& documento);
/// Prints the text window's lines with the portrait lines per page.
void stampaTesto(Contesto& ctx, const std::vector<std::string>& righe);

} // namespace vantrel
