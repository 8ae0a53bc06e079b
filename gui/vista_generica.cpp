#include "vista_generica.h"

#include "legame_finestra.h"
#include "qt_testo.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QListWidget>

namespace vantrel::gui {

VistaGenerica::VistaGenerica(std::unique_ptr<Finestra> modello, QWidget* parent) : VistaGenerica(*modello, parent) {
    proprio_ = std::move(modello);
}

VistaGenerica::VistaGenerica(Finestra& modello, QWidget* parent)
    : QWidget(parent), modello_(modello), legame_(new LegameFinestra(modello_, this)) {
    setWindowTitle(qs(modello_.schema().titolo()));
    auto* g = new QGridLayout(this);
    constexpr int kColonne = 6;
    int riga = 0, col = 0;
    const Schema& s = modello_.schema();
    for (std::size_t i = 0; i < s.dimensione(); ++i) {
        const DefinizioneControllo& d = s.definizione(static_cast<int>(i));
        if (d.tipo == Tipo::Linea || d.tipo == Tipo::Cornice || d.tipo == Tipo::Scheda) continue;
        QWidget* w = legame_->crea(static_cast<int>(i), this);
        if (d.tipo == Tipo::Lista) {
            w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the columns must line up
            w->setMinimumSize(700, 240);
            if (col > 0) ++riga;
            g->addWidget(w, riga, 0, 1, kColonne);
            g->setRowStretch(riga++, 1);
            col = 0;
            continue;
        }
        g->addWidget(w, riga, col);
        if (++col == kColonne) {
            col = 0;
            ++riga;
        }
    }
    legame_->dopoEvento([this] {
        if (modello_.chiusa()) emit chiusa();
    });
    legame_->ordinaTab();
    legame_->aggiorna();
}

VistaGenerica::~VistaGenerica() {
    delete legame_; // no event may reach the model while the widgets go
}

void VistaGenerica::closeEvent(QCloseEvent* e) {
    if (!modello_.chiusa() && chiusuraConsentita && !chiusuraConsentita()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

} // namespace vantrel::gui
