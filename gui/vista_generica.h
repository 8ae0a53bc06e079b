#pragma once

#include "common/window.h"

#include <QWidget>
#include <memory>

namespace vantrel::gui {

class LegameFinestra;

/// A window laid out from its model's controls in schema order: lists across the whole width, the
/// other controls in a grid. Used for the windows whose layout carries no meaning of its own
/// (the report manager).
class VistaGenerica : public QWidget {
    Q_OBJECT
public:
    explicit VistaGenerica(std::unique_ptr<Finestra> modello, QWidget* parent = nullptr);
    ~VistaGenerica() override;
    Finestra& modello() { return *modello_; }

private:
    std::unique_ptr<Finestra> modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
