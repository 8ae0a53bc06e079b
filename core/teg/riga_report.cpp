#include "teg/riga_report.h"

#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "common/testo.h"

namespace vantrel {
namespace {

void colonna(std::string& riga, std::string_view testo, std::string_view mask, std::size_t width) {
    riga += ' ';
    riga += allineaDestra(formattaTesto(testo, mask), width);
}

} // namespace

std::string rigaReport(const DatiRiga& d, const std::string& m) {
    std::string riga = " ";
    const std::string mese = d.dal.size() >= 5 ? d.dal.substr(3, 2) : "";
    const int trimestre = (static_cast<int>(valNumero(mese)) - 1) / 3 + 1;
    riga += "0" + std::to_string(trimestre < 1 || trimestre > 4 ? 0 : trimestre) + " ";
    riga += d.dal.size() >= 10 ? d.dal.substr(8, 2) : "  ";

    const auto medio = leggiNumero(d.indebitamentoMedio);
    riga += ' ';
    riga += allineaDestra(medio ? formatta(*medio, m) : std::string(), 13);
    colonna(riga, d.teg, maschere::tasso3Riga, 7);
    colonna(riga, d.soglia, maschere::tasso3Riga, 6);
    colonna(riga, d.supero, maschere::tasso3Riga, 6);
    colonna(riga, d.interessiDare, m, 13);
    colonna(riga, d.tegInteressi, maschere::tasso3Riga, 7);
    colonna(riga, importoDiversoDaZero(d.cmsInteressi) ? d.cmsInteressi : d.cmsSpese, m, 12);
    colonna(riga, d.tegCms, maschere::tasso3Riga, 7);
    colonna(riga, d.altriInteressi, m, 10);
    colonna(riga, d.tegAltriInteressi, maschere::tasso3, 6);
    colonna(riga, d.spese, m, 10);
    colonna(riga, d.tegSpese, maschere::tasso3, 6);
    colonna(riga, d.altriOneri, m, 10);
    colonna(riga, d.tegAltriOneri, maschere::tasso3, 6);
    if (!d.esitoCms.empty()) riga += codaCms(d.esitoCms);
    return riga;
}

std::string codaCms(const std::string& esitoCms) {
    return "  CMS: " + esitoCms;
}

} // namespace vantrel
