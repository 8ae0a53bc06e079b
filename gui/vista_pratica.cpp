#include "vista_pratica.h"

#include "account/fogli_pratica.h"
#include "account/riepilogo_pratica.h"
#include "grafico_pratica.h"
#include "legame_finestra.h"
#include "modello_tabella_pratica.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace vantrel::gui {

VistaPratica::VistaPratica(RiepilogoPratica& pratica, LegameFinestra& legame, QWidget* parent)
    : QWidget(parent), pratica_(pratica), legame_(legame), modello_(new ModelloTabellaPratica(pratica, this)),
      tabella_(new QTableView), grafico_(new QChartView), avanzamento_(new QProgressBar) {
    const auto& c = controlli<ControlliPratica>(legame.finestra().schema());
    auto* v = new QVBoxLayout(this);
    auto* stato = new QHBoxLayout;
    auto* testoStato = legame.crea(c.stato, this);
    qobject_cast<QLabel*>(testoStato)->setWordWrap(true);
    stato->addWidget(testoStato, 1);
    stato->addWidget(avanzamento_);
    avanzamento_->setMaximumWidth(260);
    avanzamento_->setFormat(QStringLiteral("%v di %m trimestri"));
    avanzamento_->hide();
    v->addLayout(stato);

    tabella_->setModel(modello_);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->verticalHeader()->hide();
    tabella_->verticalHeader()->setDefaultSectionSize(tabella_->fontMetrics().height() + 8);
    tabella_->setWordWrap(false);
    tabella_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int carattere = tabella_->fontMetrics().averageCharWidth();
    const auto& colonne = pratica.tabella().colonne;
    for (std::size_t k = 0; k < colonne.size(); ++k) // the result column also holds the warning icon
        tabella_->setColumnWidth(static_cast<int>(k),
                                 static_cast<int>(colonne[k].larghezza * carattere) + (k == kColonnaEsito ? 36 : 12));
    legame.lega(c.tabella, tabella_);

    grafico_->setRenderHint(QPainter::Antialiasing);
    grafico_->setMinimumHeight(220);
    legame.lega(c.grafico, grafico_);
    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(tabella_);
    divisore->addWidget(grafico_);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);
    v->addWidget(divisore, 1);

    auto* totali = new QHBoxLayout;
    for (auto [testo, id] : {std::pair{"Trimestri controllati:", c.trimestri}, std::pair{"Oltre la soglia:", c.superi},
                             std::pair{"Supero massimo:", c.superoMassimo}}) {
        totali->addWidget(new QLabel(QString::fromUtf8(testo), this));
        QWidget* w = legame.crea(id, this);
        QFont f = w->font();
        f.setBold(true);
        w->setFont(f);
        totali->addWidget(w);
        totali->addSpacing(18);
    }
    totali->addStretch();
    v->addLayout(totali);

    auto* comandi = new QHBoxLayout;
    for (int id : {c.esportaExcel, c.esportaCsv, c.salvaGrafico, c.stampaPratica, c.esportaPdf})
        comandi->addWidget(legame.crea(id, this));
    comandi->addStretch();
    v->addLayout(comandi);

    pratica_.continua = [this] { QTimer::singleShot(0, this, [this] { passo(); }); };
    aggiorna();
}

void VistaPratica::passo() {
    pratica_.passo();
    aggiorna();
    legame_.aggiorna();
}

void VistaPratica::aggiorna() {
    modello_->aggiorna();
    avanzamento_->setVisible(pratica_.inCorso());
    avanzamento_->setRange(0, static_cast<int>(pratica_.totale()));
    avanzamento_->setValue(static_cast<int>(pratica_.fatti()));
    if (!pratica_.inCorso() && graficoDi_ != pratica_.importazioni()) {
        graficoDi_ = pratica_.importazioni();
        QChart* vecchio = grafico_->chart();
        grafico_->setChart(creaGraficoPratica(pratica_.grafico()));
        delete vecchio;
    }
}

} // namespace vantrel::gui
