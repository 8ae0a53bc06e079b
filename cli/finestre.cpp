#include "finestre.h"

#include "finestre_tassi/usurari.h"
#include "reports/finestre_report.h"
#include "shell/calendario.h"
#include "shell/form23.h"
#include "shell/pass_word.h"
#include "teg/taeg.h"

namespace vantrel::cli {

std::unique_ptr<Finestra> creaFinestra(const std::string& nome, Contesto& ctx,
                                       const std::optional<ServerTassi>& server) {
    if (nome == "Taeg") return std::make_unique<Taeg>(ctx);
    if (nome == "usurari") return std::make_unique<Usurari>(ctx, server);
    if (nome == "STP2") return std::make_unique<FinestraReport>(ctx);
    if (nome == "Form23") return std::make_unique<Form23>(ctx);
    if (nome == "passWord") return std::make_unique<PassWord>(ctx);
    if (nome == "Calendario") return std::make_unique<Calendario>(ctx);
    return nullptr;
}

} // namespace vantrel::cli
