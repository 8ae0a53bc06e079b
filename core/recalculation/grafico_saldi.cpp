#include "recalculation/grafico_saldi.h"

namespace vantrel {

DatiGrafico graficoSaldi(const std::vector<RigaRicalcolo>& righe, const std::string& titolo) {
    DatiGrafico d;
    d.titolo = titolo;
    d.legenda = {"Saldo della banca e saldo ricalcolato",
                 "Saldo della banca",
                 "Saldo ricalcolato",
                 "",
                 "fine del periodo",
                 "euro"};
    for (const RigaRicalcolo& r : righe)
        d.punti.push_back({r.al, static_cast<double>(r.saldoBanca) / 100.0,
                           static_cast<double>(r.saldoRicalcolato - r.interessiAParte) / 100.0, false});
    return d;
}

} // namespace vantrel
