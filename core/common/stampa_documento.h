#pragma once

#include "common/documento.h"
#include "common/servizi.h"

#include <string>
#include <vector>

namespace vantrel {

/// A text cut into lines of at most `larghezza` characters at the spaces (a longer word stands alone).
std::vector<std::string> aCapo(const std::string& testo, std::size_t larghezza);

/// A table as lines of fixed-pitch text: each column as wide as its widest cell, the figures aligned
/// right, the header, a line of dashes, the rows, a line of dashes.
std::vector<std::string> righeTabella(const TabellaDocumento& t);

/// Prints a document on A4 pages: the title, the sections and the paragraphs in Arial, cut into
/// lines; the tables in Courier New, the wide ones on landscape pages in a smaller size, their header
/// again on every page; each picture with its caption on a page of its own. The printer's error
/// text, empty on success.
std::string stampaDocumento(Stampante& s, const Documento& d);

} // namespace vantrel
