#pragma once

#include "common/program_state.h"
#include "common/window.h"

namespace vantrel {

/// The "Mutuo" tab of the calculation window: the loan calculator.
class PannelloMutuo : public ParteFinestra {
public:
    PannelloMutuo(Finestra& f, Contesto& ctx);
    static void definisci(Schema& s);
    /// Prepares the loan fields when the window loads.
    void carica();

private:
    Finestra& f_;
    Contesto& ctx_;
};

} // namespace vantrel
