#include "report_hook.h"

#include "common/file_sicuro.h"
#include "reports/file_report.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "teg/finestra_calcolo.h"

namespace vantrel::cli {

const std::vector<std::string>& riepilogoDi(FinestraCalcolo& w) {
    static const std::vector<std::string> kNessuna;
    FinestraTesto* stp1 = w.report().finestraTesto();
    return stp1 ? (*stp1)[controlli<ControlliFinestraTesto>(stp1->schema()).righe].voci : kNessuna;
}

std::string salvaListaComeReport(const std::string& path, const std::vector<std::string>& righe) {
    return sostituisciFile(path, contenutoReport(righe));
}

} // namespace vantrel::cli
