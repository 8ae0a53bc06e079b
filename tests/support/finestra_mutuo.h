#pragma once

#include "common/finestra_composta.h"
#include "loan/pannello_mutuo.h"
#include "loan/verifica_usura.h"

namespace vantrel::test {

/// The "Mutuo" tab and its usury check on a window of their own, as the calculation window holds
/// them, for the loan's tests.
class FinestraMutuo : public FinestraComposta {
public:
    explicit FinestraMutuo(Contesto& ctx)
        : FinestraComposta(schemaMutuo()), mutuo_(*this, ctx), usura_(*this, ctx, mutuo_) {
        aggiungiParte(mutuo_);
        aggiungiParte(usura_);
        mutuo_.bloccoInStampa(&usura_.esito().righe);
        mutuo_.carica();
        usura_.carica();
    }

private:
    static const Schema& schemaMutuo() {
        static const Schema s = [] {
            Schema sc("Taeg", "T.E.G. maschera principale");
            aggiungi(sc, ControlliMutuo::kRighe);
            aggiungi(sc, ControlliVerificaUsura::kRighe);
            return sc;
        }();
        return s;
    }

    PannelloMutuo mutuo_;
    VerificaUsura usura_;
};

} // namespace vantrel::test
