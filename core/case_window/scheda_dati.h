#pragma once

#include "common/finestra.h"

#include <string>

namespace vantrel {

class FinestraPratica;
struct ControlliFinestraPratica;

/// The "Dati" tab: client, bank, account, the opening balance and the first day of the scalare,
/// each written to the case when its field is left (a wrong amount or date is refused and the
/// field shows the value kept).
class SchedaDati : public ParteFinestra {
public:
    explicit SchedaDati(FinestraPratica& f);
    void carica();
    bool uscito(int id) override;

private:
    const char* chiave(int id) const;

    FinestraPratica& f_;
    const ControlliFinestraPratica& c_;
};

} // namespace vantrel
