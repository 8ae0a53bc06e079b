#include "report_hook.h"

#include "common/file_sicuro.h"
#include "reports/file_report.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "teg/finestra_calcolo.h"

namespace vantrel::cli {

std::vector<std::string> riepilogoDi(FinestraCalcolo& w) {
    FinestraTesto* stp1 = w.report().finestraTesto();
    return stp1 ? (*stp1)[controlli<ControlliFinestraTesto>(stp1->schema()).righe].voci : std::vector<std::string>{};
}

std::string salvaListaComeReport(const std::string& path, const std::vector<std::string>& righe) {
    return sostituisciFile(path, contenutoReport(righe));
}

} // namespace vantrel::cli
