#pragma once

#include "program/stato_programma.h"
#include "shell/calendario.h"

#include <QWidget>
#include <memory>

namespace vantrel::gui {

class LegameFinestra;

/// The calendar window: a fixed-size window of its own, not a child of the main window.
class VistaCalendario : public QWidget {
    Q_OBJECT
public:
    explicit VistaCalendario(Contesto& ctx, QWidget* parent = nullptr);
    ~VistaCalendario() override;
    Calendario& modello() { return *modello_; }

private:
    std::unique_ptr<Calendario> modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
