#pragma once

#include "common/program_state.h"
#include "common/window.h"

#include <string>

namespace vantrel {

namespace testata {
/// 150 "-".
const std::string& trattini();
/// The header line of the result rows (139 characters).
const std::string& righeRisultato();
} // namespace testata

/// The "Report" tab of the calculation window: the result list List1 and its editing.
class ListaReport : public ParteFinestra {
public:
    ListaReport(Finestra& f, Contesto& ctx);
    static void definisci(Schema& s);

    /// Appends the three lines of the header block of the result rows.
    void accodaTestata();
    void accoda(std::string riga);

private:
    Finestra& f_;
    Contesto& ctx_;
    int List1_;
};

} // namespace vantrel
