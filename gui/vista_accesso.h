#pragma once

#include "shell/accesso.h"

#include <QDialog>

namespace vantrel::gui {

class LegameFinestra;

/// The login dialog: fixed size, no minimise or maximise; closing it through its frame refuses
/// the login.
class VistaAccesso : public QDialog {
    Q_OBJECT
public:
    explicit VistaAccesso(Accesso& modello, QWidget* parent = nullptr);
    Accesso& modello() { return modello_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Accesso& modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
