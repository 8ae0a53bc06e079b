#pragma once

#include "program/stato_programma.h"
#include "shell/finestra_impostazioni.h"

#include <QWidget>
#include <memory>

namespace vantrel::gui {

class LegameFinestra;

/// The settings window on screen.
class VistaImpostazioni : public QWidget {
    Q_OBJECT
public:
    explicit VistaImpostazioni(Contesto& ctx, QWidget* parent = nullptr);
    ~VistaImpostazioni() override;
    FinestraImpostazioni& modello() { return *modello_; }

signals:
    /// The model has closed the window (saved or left).
    void chiusa();

private:
    QWidget* corniceStampa();
    QWidget* corniceDivisore();
    QWidget* corniceServer();

    std::unique_ptr<FinestraImpostazioni> modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
