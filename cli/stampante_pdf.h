#pragma once

#include "comando_stampa.h"

namespace vantrel::cli {

/// The printer that writes PDF files, when the command line was built with one.
FabbricaStampantePdf fabbricaStampantePdf();

} // namespace vantrel::cli
