#include "loan/pannello_mutuo.h"

namespace vantrel {

PannelloMutuo::PannelloMutuo(Finestra& f, Contesto& ctx) : f_(f), ctx_(ctx) {}

void PannelloMutuo::definisci(Schema&) {}

void PannelloMutuo::carica() {}

} // namespace vantrel
