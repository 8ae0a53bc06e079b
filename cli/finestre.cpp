#include "finestre.h"

#include "calculation/taeg.h"
#include "rate_windows/usurari.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "shell/accesso.h"
#include "shell/calendario.h"
#include "shell/finestra_impostazioni.h"

namespace vantrel::cli {

std::unique_ptr<Finestra> creaFinestra(const std::string& nome, Contesto& ctx,
                                       const std::optional<ServerTassi>& server) {
    if (nome == "Taeg") return std::make_unique<Taeg>(ctx);
    if (nome == "usurari") return std::make_unique<Usurari>(ctx, server);
    if (nome == "STP2") return std::make_unique<GestoreReport>(ctx);
    if (nome == "Form23") return std::make_unique<FinestraImpostazioni>(ctx);
    if (nome == "passWord") return std::make_unique<Accesso>(ctx);
    if (nome == "Calendario") return std::make_unique<Calendario>(ctx);
    return nullptr;
}

} // namespace vantrel::cli
