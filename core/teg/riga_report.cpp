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

std::string RigaReport(const DatiRiga& d, const std::string& m) {
    std::string riga = " ";
    const std::string mese = d.dal.size() >= 5 ? d.dal.substr(3, 2) : "";
    const int trimestre = (static_cast<int>(valNumero(mese)) - 1) / 3 + 1;
    riga += "0" + std::to_string(trimestre < 1 || trimestre > 4 ? 0 : trimestre) + " ";
    riga += d.dal.size() >= 10 ? d.dal.substr(8, 2) : "  ";

    const auto medio = leggiNumero(d.IndMedio);
    riga += ' ';
    riga += allineaDestra(medio ? formatta(*medio, m) : std::string(), 13);
    colonna(riga, d.TegTXT, maschere::tasso3Riga, 7);
    colonna(riga, d.soglia, maschere::tasso3Riga, 6);
    colonna(riga, d.Diff, maschere::tasso3Riga, 6);
    colonna(riga, d.intDare, m, 13);
    colonna(riga, d.IntSc, maschere::tasso3Riga, 7);
    colonna(riga, valNumero(d.ComMS) != 0 ? d.ComMS : d.ComMS2, m, 12);
    colonna(riga, d.CMSc, maschere::tasso3Riga, 7);
    colonna(riga, d.extrafido, m, 10);
    colonna(riga, d.ECCSC, maschere::tasso3, 6);
    colonna(riga, d.speseN, m, 10);
    colonna(riga, d.SpeseSc, maschere::tasso3, 6);
    colonna(riga, d.ASpese, m, 10);
    colonna(riga, d.OneriSc, maschere::tasso3, 6);
    return riga;
}

} // namespace vantrel
