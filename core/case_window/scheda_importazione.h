#pragma once

#include "account/importa_movimenti.h"
#include "common/finestra.h"

#include <string>

namespace vantrel {

class FinestraPratica;
struct ControlliFinestraPratica;

/// The "Importa movimenti" tab: a CSV or Excel file of home banking is read whole and shown (how each
/// column is read, the first movements, the totals, or the bad cell) before anything is kept;
/// "Importa" then adds it to the case in one transaction, asking when some movements are already there.
class SchedaImportazione : public ParteFinestra {
public:
    explicit SchedaImportazione(FinestraPratica& f);

    /// "Scegli file...": asks for the file and shows its preview.
    void scegli();
    /// Reads `file` and shows how it is read; false when it cannot be imported.
    bool anteprima(const std::string& file);
    void importa();
    void scarta();
    const LetturaMovimenti& lettura() const { return lettura_; }

    bool cliccato(int id) override;

private:
    void mostra();

    FinestraPratica& f_;
    const ControlliFinestraPratica& c_;
    std::string file_;
    LetturaMovimenti lettura_;
};

} // namespace vantrel
