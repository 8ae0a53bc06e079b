#pragma once

#include "common/finestra.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace vantrel::gui {

class LegameFinestra;

/// A window laid out from its model's controls in schema order: lists across the whole width, the
/// other controls in a grid. Used for the windows whose layout carries no meaning of its own
/// (the report manager, the text window of the summary).
class VistaGenerica : public QWidget {
    Q_OBJECT
public:
    explicit VistaGenerica(std::unique_ptr<Finestra> modello, QWidget* parent = nullptr);
    /// A view of a model that someone else owns and that outlives the view.
    explicit VistaGenerica(Finestra& modello, QWidget* parent = nullptr);
    ~VistaGenerica() override;
    Finestra& modello() { return modello_; }
    LegameFinestra& legame() { return *legame_; }
    /// Asked before the window closes through its frame; false keeps it open.
    std::function<bool()> chiusuraConsentita;

signals:
    /// The model closed the window (one of its buttons).
    void chiusa();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    std::unique_ptr<Finestra> proprio_;
    Finestra& modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
