#include "recalculation/ricalcolo_legale.h"

#include "casefile/scalare_pratica.h"

namespace vantrel {

RicalcoloLegale::RicalcoloLegale(Pratica& p, Contesto& ctx, const DopoPeriodo& dopo)
    : pratica_(p), ctx_(ctx), giorni_(giorniPratica(p)), condizioni_(p.condizioni()), opzioni_(opzioniPratica(p)),
      banca_(ricalcola(giorni_, condizioni_, opzioni_, ctx, dopo)),
      pubblici_(leggiTassiPubblici(ctx.stato.cartellaDati)) {
    if (banca_.errore.empty() && !p.soloLettura())
        banca_.errore = p.salvaRisultati(banca_.risultati, ctx.stato.tassi, ctx.oggi());
}

Rideterminazione RicalcoloLegale::applica(const ScelteRicalcolo& s) {
    Rideterminazione r = ridetermina({giorni_, condizioni_, opzioni_, banca_}, s, pubblici_, ctx_.stato.tassi);
    if (!r.errore.empty()) return r;
    if (!pubblici_.errore.empty())
        r.ricalcolo.esito.avvisi += (r.ricalcolo.esito.avvisi.empty() ? "" : "\n") + pubblici_.errore;
    r.ricalcolo.esito.dataRicalcolo = ctx_.oggi().testo();
    if (pratica_.soloLettura()) return r;
    r.errore = pratica_.impostaScelteRicalcolo(s);
    if (r.errore.empty()) r.errore = pratica_.salvaRicalcolo(r.ricalcolo);
    return r;
}

} // namespace vantrel
