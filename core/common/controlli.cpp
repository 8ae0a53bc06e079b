#include "common/controlli.h"

#include <algorithm>

namespace vantrel {

void aggiungi(Schema& s, std::span<const RigaControllo> righe) {
    for (const RigaControllo& r : righe) {
        const Attributi& a = r.attributi;
        DefinizioneControllo& d = s.aggiungi(r.controllo, r.tipo, a.testo);
        d.aiuto = a.aiuto;
        d.tooltip = a.tooltip;
        d.gruppo = a.gruppo;
        d.solaLettura = a.solaLettura;
        d.visibile = a.visibile;
        d.abilitato = a.abilitato;
        d.selezionato = a.selezionato;
        d.lunghezzaMassima = a.lunghezzaMassima;
        d.sinistra = a.sinistra;
    }
}

std::vector<std::string> ordineTab(std::span<const RigaControllo> righe) {
    std::vector<const RigaControllo*> inTab;
    for (const RigaControllo& r : righe)
        if (r.attributi.tab > 0) inTab.push_back(&r);
    std::stable_sort(inTab.begin(), inTab.end(),
                     [](const auto* a, const auto* b) { return a->attributi.tab < b->attributi.tab; });
    std::vector<std::string> nomi;
    for (const auto* r : inTab)
        nomi.emplace_back(r->controllo);
    return nomi;
}

} // namespace vantrel
