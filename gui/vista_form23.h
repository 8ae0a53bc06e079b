#pragma once

#include "programma/stato_programma.h"
#include "shell/form23.h"

#include <QWidget>
#include <memory>

namespace vantrel::gui {

class LegameFinestra;

/// The settings window on screen.
class VistaForm23 : public QWidget {
    Q_OBJECT
public:
    explicit VistaForm23(Contesto& ctx, QWidget* parent = nullptr);
    ~VistaForm23() override;
    Form23& modello() { return *modello_; }

signals:
    /// The model has closed the window (saved or left).
    void chiusa();

private:
    std::unique_ptr<Form23> modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
