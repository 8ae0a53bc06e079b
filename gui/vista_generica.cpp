#include "vista_generica.h"

#include "legame_finestra.h"
#include "qt_testo.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QListWidget>

namespace vantrel::gui {

VistaGenerica::VistaGenerica(std::unique_ptr<Finestra> modello, QWidget* parent)
    : QWidget(parent), modello_(std::move(modello)), legame_(new LegameFinestra(*modello_, this)) {
    setWindowTitle(qs(modello_->schema().titolo()));
    auto* g = new QGridLayout(this);
    constexpr int kColonne = 6;
    int riga = 0, col = 0;
    const Schema& s = modello_->schema();
    for (std::size_t i = 0; i < s.dimensione(); ++i) {
        const DefinizioneControllo& d = s.definizione(static_cast<int>(i));
        if (d.tipo == Tipo::Linea || d.tipo == Tipo::Cornice || d.tipo == Tipo::Scheda) continue;
        QWidget* w = legame_->crea(d.nome, this);
        if (d.tipo == Tipo::Lista) {
            w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the columns must line up
            w->setMinimumSize(900, 300);
            if (col > 0) ++riga;
            g->addWidget(w, riga++, 0, 1, kColonne);
            col = 0;
            continue;
        }
        g->addWidget(w, riga, col);
        if (++col == kColonne) {
            col = 0;
            ++riga;
        }
    }
    legame_->aggiorna();
}

VistaGenerica::~VistaGenerica() {
    delete legame_; // no event may reach the model while the widgets go
}

} // namespace vantrel::gui
