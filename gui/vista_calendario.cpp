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
    const auto& c = controlli<ControlliCalendario>(modello_->schema());
    auto* g = new QGridLayout(this);
    int col = 0;
    for (auto [etichetta, nome] : {std::pair{c.etichettaData1, c.data1}, std::pair{c.etichettaData2, c.data2}}) {
        auto* cal = new QCalendarWidget(this);
        cal->setDateRange(qdata(Calendario::kPrimoGiorno), qdata(Calendario::kUltimoGiorno));
        cal->setGridVisible(true);
        g->addWidget(legame_->crea(etichetta, this), 0, col);
        legame_->lega(nome, cal);
        g->addWidget(cal, 1, col++);
    }
    g->addWidget(legame_->crea(c.etichettaGiorniTraLeDate, this), 2, 0);
    g->addWidget(legame_->crea(c.giorniTraLeDate, this), 3, 0);
    g->addWidget(legame_->crea(c.etichettaGiorniDaAggiungere, this), 2, 1);
    g->addWidget(legame_->crea(c.giorniDaAggiungere, this), 3, 1);
    legame_->aggiorna();
    setFixedSize(sizeHint());
}

VistaCalendario::~VistaCalendario() {
    delete legame_; // no event may reach the model while the widgets go
}

} // namespace vantrel::gui
