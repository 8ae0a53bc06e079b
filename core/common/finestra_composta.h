#pragma once

#include "common/finestra.h"

#include <vector>

namespace vantrel {

/// A window made of parts: each event goes to the first part that owns the control.
class FinestraComposta : public Finestra {
public:
    using Finestra::Finestra;

protected:
    void aggiungiParte(ParteFinestra& p) { parti_.push_back(&p); }

    std::optional<std::string> tasto(int id, const Battuta& b) override;
    void cambiato(int id) override;
    void uscito(int id) override;
    void cliccato(int id) override;
    void selezionato(int id) override;
    void doppioCliccato(int id, int indice) override;

private:
    std::vector<ParteFinestra*> parti_;
};

} // namespace vantrel
