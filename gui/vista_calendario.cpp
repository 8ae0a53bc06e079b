#include "vista_calendario.h"

#include "legame_finestra.h"
#include "qt_testo.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>

namespace vantrel::gui {

VistaCalendario::VistaCalendario(Contesto& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), modello_(std::make_unique<Calendario>(ctx)),
      legame_(new LegameFinestra(*modello_, this)) {
    setWindowTitle(qs(modello_->schema().titolo()));
    auto* g = new QGridLayout(this);
    int col = 0;
    for (auto [etichetta, nome] : {std::pair{"LblCal1", "CAL1"}, std::pair{"LblCal2", "Cal2"}}) {
        auto* cal = new QCalendarWidget(this);
        cal->setDateRange(qdata(Calendario::kPrimoGiorno), qdata(Calendario::kUltimoGiorno));
        cal->setGridVisible(true);
        g->addWidget(legame_->crea(etichetta, this), 0, col);
        legame_->lega(nome, cal);
        g->addWidget(cal, 1, col++);
    }
    g->addWidget(legame_->crea("LblNrgg", this), 2, 0);
    g->addWidget(legame_->crea("nrgg", this), 3, 0);
    g->addWidget(legame_->crea("LblGiorni", this), 2, 1);
    g->addWidget(legame_->crea("Giorni", this), 3, 1);
    legame_->aggiorna();
    setFixedSize(sizeHint());
}

VistaCalendario::~VistaCalendario() {
    delete legame_; // no event may reach the model while the widgets go
}

} // namespace vantrel::gui
