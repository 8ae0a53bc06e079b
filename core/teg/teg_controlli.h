#pragma once

#include "common/finestra.h"

namespace vantrel {

// The controls of the "calcolo T.E.G. " tab, resolved once per schema.
// clang-format off
#define VANTREL_TEG_CONTROLLI(X) \
    X(dal) X(al) X(Combo1) X(Combo2) X(Command2) X(Command3) X(Command4) X(Command5) \
    X(Command7) X(Command10) X(Command6) X(Command8) X(Giorni) X(NumeriD) X(indMed2) X(IndMedio) \
    X(intDare) X(ComMS) X(ComMS2) X(extrafido) X(speseN) X(ASpese) X(fido) X(Acc) \
    X(Option2) X(Option1a) X(ga) X(cento) X(totInt) X(totint2) X(TotalSpese) X(tspe) \
    X(SpeInt) X(TegTXT) X(IntSc) X(CMSc) X(ECCSC) X(SpeseSc) X(OneriSc) X(SommaParziali) \
    X(TInt) X(TSpes) X(soglia) X(Diff) X(Option3) X(Option4) X(Option5) X(Lira) X(euro) \
    X(OK) X(Command9) X(via) X(SSCommand2) X(cmscop) X(Line22) X(Line27) X(Line28) \
    X(LblPiu) X(LblTotaleSpese) X(LblAccordato) X(LblPer2) X(LineaSpese) X(LblUguale) X(LblRisultato) X(TSM) \
    X(TUM) X(TSM2) X(TUM2) X(SSTab1) X(ClasseSoglia)
// clang-format on

struct TegIds {
#define VANTREL_ID(n) int n;
    VANTREL_TEG_CONTROLLI(VANTREL_ID)
#undef VANTREL_ID
    int TS[4], TU[4], TSb[4], TUb[4], TSc[4], TUc[4];

    explicit TegIds(const Schema& s);
};

/// The ids of the tab in the schema of its window (one schema per kind of window).
const TegIds& tegIds(const Schema& s);

} // namespace vantrel
