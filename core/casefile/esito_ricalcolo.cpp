#include "casefile/esito_ricalcolo.h"

#include <algorithm>

namespace vantrel {

Centesimi EsitoRicalcolo::minoreDebito() const {
    const Centesimi debito = std::max<Centesimi>(0, -saldoBanca);
    return std::clamp<Centesimi>(differenzaDopoPrescrizione(), 0, debito);
}

Centesimi EsitoRicalcolo::daRestituire() const {
    return std::max<Centesimi>(0, differenzaDopoPrescrizione() - minoreDebito());
}

} // namespace vantrel
