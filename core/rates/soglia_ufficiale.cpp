#include "rates/soglia_ufficiale.h"

namespace vantrel {

SogliaUfficiale sogliaUfficiale(const RigaSerie& r, TipoMora tipo) {
    SogliaUfficiale s;
    s.riga = &r;
    s.regola = regolaInVigore(r.inizio);
    s.sogliaRegola = sogliaSecondoRegola(r.tegm, s.regola);
    s.tipoMora = tipo;
    s.mora = maggiorazioneMora(r.inizio, tipo);
    if (s.mora) s.sogliaMora = sogliaSecondoRegola(TassoEsatto{r.tegm.unita + s.mora->punti.unita, 0}, s.regola);
    return s;
}

SogliaUfficiale sogliaUfficiale(const RigaSerie& r) {
    return sogliaUfficiale(r, tipoMoraDiCategoria(r.categoria));
}

} // namespace vantrel
