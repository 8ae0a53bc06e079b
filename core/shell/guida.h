#pragma once

#include "common/finestra.h"

#include <string>
#include <vector>

namespace vantrel {

/// The help of one window, as Markdown: its title, what it is for, then each control with its
/// caption and the help text the window shows for it. F1 on a window opens it.
std::string guidaFinestra(const Schema& s);

/// The program's help ("?" > "Guida"): what the program does and where its figures come from, then
/// the help of each window of `finestre`, in that order.
std::string guidaProgramma(const std::vector<const Schema*>& finestre);

/// "?" > "Informazioni su Vantrel": the version, the licence and the sources of the bundled rates.
std::string informazioniProgramma(const std::string& versione);

} // namespace vantrel
