#include "vista_accesso.h"

#include "legame_finestra.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel::gui {

VistaAccesso::VistaAccesso(Accesso& modello, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      modello_(modello), legame_(new LegameFinestra(modello, this)) {
    setWindowTitle(QStringLiteral("Accesso a Vantrel"));
    setModal(true);
    const auto& c = controlli<ControlliAccesso>(modello.schema());
    auto* g = new QGridLayout(this);
    auto* lu = qobject_cast<QLabel*>(legame_->crea(c.etichettaNomeUtente, this));
    auto* u = legame_->crea(c.nomeUtente, this);
    auto* lp = qobject_cast<QLabel*>(legame_->crea(c.etichettaPassword, this));
    auto* p = legame_->crea(c.password, this);
    lu->setBuddy(u);
    lp->setBuddy(p);
    qobject_cast<QLineEdit*>(p)->setEchoMode(QLineEdit::Password);
    g->addWidget(lu, 0, 0);
    g->addWidget(u, 0, 1, 1, 2);
    g->addWidget(lp, 1, 0);
    g->addWidget(p, 1, 1, 1, 2);
    auto* ok = qobject_cast<QPushButton*>(legame_->crea(c.ok, this));
    auto* annulla = qobject_cast<QPushButton*>(legame_->crea(c.annulla, this));
    ok->setAutoDefault(false); // Enter moves between the fields, it does not press OK
    annulla->setAutoDefault(false);
    g->addWidget(ok, 2, 1);
    g->addWidget(annulla, 2, 2);
    legame_->dopoEvento([this] {
        if (modello_.chiusa()) done(modello_.esito() == Accesso::Esito::Accettato ? Accepted : Rejected);
    });
    legame_->aggiorna();
    setFixedSize(sizeHint());
}

void VistaAccesso::reject() {
    modello_.chiusuraDaCornice();
    QDialog::reject();
}

void VistaAccesso::closeEvent(QCloseEvent* e) {
    if (!modello_.chiusa()) modello_.chiusuraDaCornice();
    QDialog::closeEvent(e);
}

} // namespace vantrel::gui
