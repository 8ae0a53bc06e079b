#pragma once

#include "common/servizi.h"

namespace vantrel::gui {

/// Message and question boxes shown with QMessageBox, buttons "OK", "Sì", "No" and "Annulla".
class MessaggiQt : public ServizioMessaggi {
public:
    Risposta mostra(const Messaggio& m) override;
};

} // namespace vantrel::gui
