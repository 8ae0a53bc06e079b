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
    explicit VistaPassword(PassWord& modello, QWidget* parent = nullptr);
    PassWord& modello() { return modello_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    PassWord& modello_;
    LegameFinestra* legame_;
};

} // namespace vantrel::gui
