#include "account/controllo_scalare.h"

namespace vantrel {

std::optional<PeriodoDaControllare> periodoDaControllare(const PeriodoScalare& p, int riga) {
    if (p.numeriDebitori() <= 0) return std::nullopt;
    const Competenze& k = p.calcolate;
    PeriodoDaControllare c;
    c.riga = riga;
    c.dal = p.dal.testo();
    c.al = p.al.testo();
    // Numeri in cents x days read as euro x days: the same digits, two of them decimals.
    c.campi = {testoCentesimi(p.numeriDebitori()),
               testoCentesimi(k.interessiDebitori),
               testoCentesimi(k.cms),
               testoCentesimi(k.interessiExtrafido),
               testoCentesimi(k.speseOperazioni + k.speseFisse),
               "0,00",
               testoCentesimi(k.commissioneFido + k.commissioneSconfinamento),
               p.fido > 0 ? testoCentesimi(p.fido) : "",
               p.fido > 0 ? testoCentesimi(p.fido) : ""};
    c.categoria = p.fido > 0 ? 0 : 1;
    c.accordato = p.fido > 0 ? &ControlliTeg::accordatoFido : &ControlliTeg::accordatoIndebitamento;
    return c;
}

} // namespace vantrel
