#pragma once

#include "shell/pass_word.h"

#include <QDialog>

namespace vantrel::gui {

class LegameFinestra;

/// The login dialog: fixed size, no minimise or maximise; closing it through its frame refuses
/// the login.
class VistaPassword : public QDialog {
    Q_OBJECT
public:
    explicit VistaPassword(passWord& modello, QWidget* parent = nullptr);
    passWord& modello() { return modello_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    passWord& modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
