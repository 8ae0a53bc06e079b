#include "account/controllo_scalare.h"

#include <algorithm>

namespace vantrel {

std::optional<PeriodoDaControllare> periodoDaControllare(const PeriodoScalare& p, int riga) {
    if (p.numeriDebitori() <= 0) return std::nullopt;
    const Competenze& k = p.calcolate;
    PeriodoDaControllare c;
    c.riga = riga;
    c.dal = p.dal.testo();
    c.al = p.al.testo();
    // Numeri in cents x days read as euro x days: the same digits, two of them decimals. Each figure
    // goes to its own field; the days are counted from the dates.
    const auto metti = [&](int ControlliTeg::*campo, std::string testo) {
        c.campi[indiceCampo(campo)] = std::move(testo);
    };
    metti(&ControlliTeg::numeriDebitori, testoCentesimi(p.numeriDebitori()));
    metti(&ControlliTeg::interessiDare, testoCentesimi(k.interessiDebitori));
    metti(&ControlliTeg::cmsInteressi, testoCentesimi(k.cms));
    metti(&ControlliTeg::altriInteressi, testoCentesimi(k.interessiExtrafido));
    metti(&ControlliTeg::spese, testoCentesimi(k.speseOperazioni + k.speseFisse));
    metti(&ControlliTeg::cmsSpese, "0,00");
    metti(&ControlliTeg::altriOneri, testoCentesimi(k.commissioneFido + k.commissioneSconfinamento));
    // The highest debit balance: the CMS test of a period up to 2009 measures the CMS on it.
    metti(&ControlliTeg::massimoScoperto, p.massimoScoperto > 0 ? testoCentesimi(p.massimoScoperto) : "");
    metti(&ControlliTeg::fido, p.fido > 0 ? testoCentesimi(p.fido) : "");
    metti(&ControlliTeg::accordato, p.fido > 0 ? testoCentesimi(p.fido) : "");
    c.categoria = &categoriaDelConto(p.fido);
    c.accordato = p.fido > 0 ? &ControlliTeg::accordatoFido : &ControlliTeg::accordatoIndebitamento;
    return c;
}

const CategoriaConto& categoriaDelConto(Centesimi fido) {
    const auto& categorie = categorieConto();
    if (fido > 0) return categorie.front();
    return *std::find_if(categorie.begin(), categorie.end(),
                         [](const CategoriaConto& cat) { return cat.accordatoIndebitamento; });
}

} // namespace vantrel
