#include "vista_soglie_ufficiali.h"

#include "legame_finestra.h"
#include "qt_testo.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace vantrel::gui {
namespace {

// A day as a point on the axis of years: 2018 plus the share of the year gone by.
qreal istante(const Data& d) {
    const QDate q = qdata(d);
    return d.anno + static_cast<qreal>(q.dayOfYear() - 1) / q.daysInYear();
}

// A figure held over a period: a flat step from its first day to the day after its last.
void gradino(QLineSeries* s, const PuntoAndamento& p, const TassoEsatto& v) {
    s->append(istante(p.inizio), v.valore());
    s->append(istante(aggiungiGiorni(p.fine, 1)), v.valore());
}

} // namespace

VistaSoglieUfficiali::VistaSoglieUfficiali(Contesto& ctx, QWidget* parent)
    : QWidget(parent), modello_(std::make_unique<SoglieUfficiali>(ctx)), legame_(new LegameFinestra(*modello_, this)) {
    setWindowTitle(qs(modello_->schema().titolo()));
    auto* v = new QVBoxLayout(this);
    auto* centro = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(scelte());
    sinistra->addWidget(risultati());
    sinistra->addStretch();
    centro->addLayout(sinistra, 0);

    grafico_ = new QChart;
    grafico_->setObjectName(QStringLiteral("grafico"));
    grafico_->legend()->setAlignment(Qt::AlignBottom);
    vistaGrafico_ = new QChartView(grafico_, this);
    vistaGrafico_->setRenderHint(QPainter::Antialiasing);
    vistaGrafico_->setMinimumSize(520, 360);
    centro->addWidget(vistaGrafico_, 1);
    v->addLayout(centro, 1);

    const auto& c = controlli<ControlliSoglieUfficiali>(modello_->schema());
    auto* basso = new QHBoxLayout;
    auto* stato = qobject_cast<QLabel*>(legame_->crea(c.stato, this));
    stato->setWordWrap(true);
    stato->setTextFormat(Qt::PlainText);
    basso->addWidget(stato, 1);
    basso->addWidget(legame_->crea(c.chiudi, this));
    v->addLayout(basso);

    legame_->ordinaTab();
    legame_->dopoEvento([this] {
        aggiornaGrafico();
        if (modello_->chiusa()) emit chiusa();
    });
    aggiorna();
}

void VistaSoglieUfficiali::aggiorna() {
    legame_->aggiorna();
    aggiornaGrafico();
}

VistaSoglieUfficiali::~VistaSoglieUfficiali() {
    delete legame_; // no event may reach the model while the widgets go
}

QWidget* VistaSoglieUfficiali::scelte() {
    auto* box = new QGroupBox(QStringLiteral("Operazione"), this);
    const auto& c = controlli<ControlliSoglieUfficiali>(modello_->schema());
    auto* g = new QGridLayout(box);
    int riga = 0;
    for (auto [etichetta, campo] :
         {std::pair{c.etichettaData, c.data}, std::pair{c.etichettaPeriodo, c.periodo},
          std::pair{c.etichettaCategoria, c.categoria}, std::pair{c.etichettaImporto, c.importo},
          std::pair{c.etichettaClasse, c.classe}, std::pair{c.etichettaTipoMora, c.tipoMora}}) {
        auto* l = qobject_cast<QLabel*>(legame_->crea(etichetta, box));
        QWidget* w = legame_->crea(campo, box);
        l->setBuddy(w);
        g->addWidget(l, riga, 0);
        g->addWidget(w, riga++, 1);
    }
    // Category names run long: the list shows them whole, the field as much as fits.
    auto* categoria = legame_->w<QComboBox>(c.categoria);
    categoria->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    categoria->setMinimumContentsLength(42);
    legame_->widget(c.importo)->setMaximumWidth(140);
    qobject_cast<QLineEdit*>(legame_->widget(c.importo))->setAlignment(Qt::AlignRight);
    return box;
}

QWidget* VistaSoglieUfficiali::risultati() {
    auto* box = new QGroupBox(QStringLiteral("Tassi ufficiali"), this);
    const auto& c = controlli<ControlliSoglieUfficiali>(modello_->schema());
    auto* g = new QGridLayout(box);
    int riga = 0;
    for (auto [etichetta, campo] :
         {std::pair{c.etichettaTegm, c.tegm}, std::pair{c.etichettaRegola, c.regola},
          std::pair{c.etichettaSogliaRegola, c.sogliaRegola},
          std::pair{c.etichettaSogliaPubblicata, c.sogliaPubblicata},
          std::pair{c.etichettaMaggiorazioneMora, c.maggiorazioneMora}, std::pair{c.etichettaSogliaMora, c.sogliaMora},
          std::pair{c.etichettaFonte, c.fonte}, std::pair{c.etichettaFonteMora, c.fonteMora}}) {
        g->addWidget(legame_->crea(etichetta, box), riga, 0);
        auto* e = qobject_cast<QLineEdit*>(legame_->crea(campo, box));
        e->setCursorPosition(0);
        g->addWidget(e, riga++, 1);
    }
    for (int cifra : {c.tegm, c.sogliaRegola, c.sogliaPubblicata, c.sogliaMora}) {
        auto* e = legame_->w<QLineEdit>(cifra);
        QFont f = e->font();
        f.setBold(true);
        e->setFont(f);
    }
    return box;
}

void VistaSoglieUfficiali::aggiornaGrafico() {
    grafico_->removeAllSeries();
    for (QAbstractAxis* a : grafico_->axes()) {
        grafico_->removeAxis(a);
        delete a;
    }
    const auto& punti = modello_->andamento();
    const auto& soglia = modello_->soglia();
    grafico_->setTitle(soglia ? qs(modello_->nomeTipo().empty() ? soglia->riga->categoria : modello_->nomeTipo()) +
                                    QStringLiteral(" - ") + qs(soglia->riga->classe)
                              : QString());
    if (punti.empty()) return;
    auto* tegm = new QLineSeries(grafico_);
    tegm->setName(QStringLiteral("TEGM"));
    auto* pubblicata = new QLineSeries(grafico_);
    pubblicata->setName(QStringLiteral("Tasso soglia"));
    double massimo = 0;
    for (const PuntoAndamento& p : punti) {
        gradino(tegm, p, p.tegm);
        gradino(pubblicata, p, p.soglia);
        massimo = std::max(massimo, p.soglia.valore());
    }
    massimo = std::ceil(massimo / 5 + 0.2) * 5;
    grafico_->addSeries(tegm);
    grafico_->addSeries(pubblicata);
    QLineSeries* marca = nullptr;
    if (const auto d = modello_->data()) {
        marca = new QLineSeries(grafico_);
        marca->setName(qs(d->testo()));
        marca->append(istante(*d), 0);
        marca->append(istante(*d), massimo);
        marca->setPen(QPen(Qt::red, 1.5, Qt::DashLine));
        grafico_->addSeries(marca);
    }
    // Whole years, a tick every 1, 2, 3, 5 or 10 of them.
    const int primo = punti.front().inizio.anno;
    const Data dopo = aggiungiGiorni(punti.back().fine, 1);
    const int anni = dopo.anno - primo + (dopo.mese == 1 && dopo.giorno == 1 ? 0 : 1);
    int passo = 1;
    for (const int p : {1, 2, 3, 5, 10})
        if ((passo = p) * 10 >= anni) break;
    const int ultimo = primo + (anni + passo - 1) / passo * passo;
    auto* x = new QValueAxis;
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTickCount((ultimo - primo) / passo + 1);
    x->setRange(primo, ultimo);
    auto* y = new QValueAxis;
    y->setRange(0, massimo);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("%"));
    grafico_->addAxis(x, Qt::AlignBottom);
    grafico_->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : grafico_->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

} // namespace vantrel::gui
