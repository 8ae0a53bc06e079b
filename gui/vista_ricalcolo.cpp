#include "vista_ricalcolo.h"

#include "case_window/scheda_ricalcolo.h"
#include "grafico_pratica.h"
#include "legame_finestra.h"
#include "modello_tabella_celle.h"
#include "qt_testo.h"

#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>

namespace vantrel::gui {
namespace {

// The periods' headers on two lines ("Banca:" over "interessi"), so that the columns stay narrow.
class ModelloRicalcolo : public ModelloTabellaCelle {
public:
    using ModelloTabellaCelle::ModelloTabellaCelle;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override {
        QVariant v = ModelloTabellaCelle::headerData(sezione, o, ruolo);
        if (o == Qt::Horizontal && ruolo == Qt::DisplayRole)
            return v.toString().replace(QStringLiteral(": "), QStringLiteral("\n"));
        return v;
    }
};

// A day of a choice may be left empty ("from the start", "to the end"), which a date edit cannot
// show: it is a text field, read when it is left.
QWidget* campoData(QWidget* genitore) {
    auto* e = new QLineEdit(genitore);
    e->setPlaceholderText(QStringLiteral("gg/mm/aaaa"));
    e->setMaxLength(10);
    return e;
}

QLabel* testo(const char* t, QWidget* genitore) {
    return new QLabel(QString::fromUtf8(t), genitore);
}

// The choices' grid, filled a row at a time: four columns ("dal", its day, "al", its day).
struct Griglia {
    QWidget* pagina;
    QGridLayout* g;
    std::function<QWidget*(int, QWidget*)> campo;
    int n = 0; // the row being filled

    QWidget* metti(int id, int colonna, int colonne = 1) {
        QWidget* w = campo(id, pagina);
        g->addWidget(w, n, colonna, 1, colonne);
        return w;
    }
    void riga(int id) {
        metti(id, 0, 4);
        ++n;
    }
    void scritta(const char* t, int colonna, int colonne = 1) {
        g->addWidget(testo(t, pagina), n, colonna, 1, colonne, Qt::AlignRight);
    }
    void periodo(int dal, int al) {
        scritta("dal", 0);
        metti(dal, 1);
        scritta("al", 2);
        metti(al, 3);
        ++n;
    }
};

// The rates entered, each from its day, with the fields that add one.
void tassiInseriti(Griglia& g, const ControlliRicalcolo& c) {
    g.metti(c.tassiInseriti, 0, 4)->setMaximumHeight(70);
    ++g.n;
    g.scritta("dal", 0);
    g.metti(c.tassoDal, 1);
    g.scritta("debitore %", 2);
    g.metti(c.tassoDebitore, 3);
    ++g.n;
    g.scritta("creditore %", 2);
    g.metti(c.tassoCreditore, 3);
    ++g.n;
    auto* pulsanti = new QHBoxLayout;
    for (int id : {c.aggiungiTasso, c.eliminaTasso})
        pulsanti->addWidget(g.campo(id, g.pagina));
    pulsanti->addStretch();
    g.g->addLayout(pulsanti, g.n++, 0, 1, 4);
}

} // namespace

VistaRicalcolo::VistaRicalcolo(SchedaRicalcolo& scheda, QWidget* parent) : QWidget(parent), scheda_(scheda) {
    new QVBoxLayout(this);
    layout()->setContentsMargins(0, 0, 0, 0);
}

VistaRicalcolo::~VistaRicalcolo() {
    delete legame_; // no event may reach the panel while the widgets go
    legame_ = nullptr;
    const QObjectList figli = children();
    qDeleteAll(figli);
}

QWidget* VistaRicalcolo::campo(int id, QWidget* genitore) {
    const DefinizioneControllo& d = scheda_.pannello()->schema().definizione(id);
    QWidget* w = d.tipo == Tipo::Data ? campoData(genitore) : legame_->crea(id, genitore);
    if (d.tipo == Tipo::Data) legame_->lega(id, w);
    w->setToolTip(qs(d.aiuto));
    return w;
}

void VistaRicalcolo::costruisci() {
    legame_ = new LegameFinestra(*scheda_.pannello(), this);
    auto* divisore = new QSplitter(Qt::Horizontal, this);
    divisore->addWidget(scelte());
    divisore->addWidget(risultato());
    divisore->setStretchFactor(1, 1);
    layout()->addWidget(divisore);
    legame_->dopoEvento([this] {
        aggiorna();
        emit cambiata();
    });
    legame_->ordinaTab();
}

// One row per choice: its name, its mode, the days it applies to.
QWidget* VistaRicalcolo::scelte() {
    const auto& c = controlli<ControlliRicalcolo>(scheda_.pannello()->schema());
    auto* pagina = new QWidget;
    Griglia g{pagina, new QGridLayout(pagina), [this](int id, QWidget* p) { return campo(id, p); }};
    const std::tuple<int, int, int, int> combo[] = {
        {c.etichettaCapitalizzazione, c.capitalizzazione, c.capitalizzazioneDal, c.capitalizzazioneAl},
        {c.etichettaCms, c.cms, c.cmsDal, c.cmsAl},
        {c.etichettaUsura, c.usura, c.usuraDal, c.usuraAl},
        {c.etichettaTassi, c.tassi, c.tassiDal, c.tassiAl}};
    for (auto [etichetta, scelta, dal, al] : combo) {
        g.riga(etichetta);
        g.riga(scelta);
        g.periodo(dal, al);
        if (scelta == c.capitalizzazione) {
            g.metti(c.etichettaAdeguamento, 0, 3);
            g.metti(c.adeguamento, 3);
            ++g.n;
        } else if (scelta == c.cms) {
            g.riga(c.commissioni);
            g.periodo(c.commissioniDal, c.commissioniAl);
        }
    }
    tassiInseriti(g, c);
    g.riga(c.speseOperazioni);
    g.riga(c.speseFisse);
    g.periodo(c.speseDal, c.speseAl);
    auto* saldo = new QGroupBox(QStringLiteral("Saldo iniziale"), pagina); // the options' own group
    auto* s = new QVBoxLayout(saldo);
    for (int id : {c.saldoBanca, c.saldoZero})
        s->addWidget(campo(id, saldo));
    g.g->addWidget(saldo, g.n++, 0, 1, 4);
    g.riga(c.prescrizione);
    g.scritta("prima richiesta", 0, 3);
    g.metti(c.primaRichiesta, 3);
    g.g->setRowStretch(g.n + 1, 1);
    g.g->setColumnStretch(3, 1);
    auto* scorre = new QScrollArea;
    scorre->setWidget(pagina);
    scorre->setWidgetResizable(true);
    scorre->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorre->setMinimumWidth(pagina->sizeHint().width() + 24);
    return scorre;
}

// The outcome: the final balances and the amounts, each a caption and a figure in bold.
QLayout* VistaRicalcolo::cifre(QWidget* pagina) {
    const auto& c = controlli<ControlliRicalcolo>(scheda_.pannello()->schema());
    auto* g = new QGridLayout;
    const std::pair<const char*, int> voci[] = {{"Saldo finale della banca:", c.saldoBancaFinale},
                                                {"Saldo rideterminato:", c.saldoRideterminato},
                                                {"Differenza:", c.differenza},
                                                {"Da restituire:", c.daRestituire},
                                                {"Minore debito:", c.minoreDebito},
                                                {"Escluso per prescrizione:", c.prescritto}};
    for (std::size_t k = 0; k < std::size(voci); ++k) {
        const int r = static_cast<int>(k % 3), col = static_cast<int>(k / 3) * 2;
        g->addWidget(testo(voci[k].first, pagina), r, col);
        QWidget* w = campo(voci[k].second, pagina);
        QFont f = w->font();
        f.setBold(true);
        w->setFont(f);
        g->addWidget(w, r, col + 1, Qt::AlignRight);
    }
    g->setColumnMinimumWidth(2, 180);
    g->setColumnStretch(4, 1);
    return g;
}

// The periods side by side over the chart of both balances.
QWidget* VistaRicalcolo::periodi() {
    const auto& c = controlli<ControlliRicalcolo>(scheda_.pannello()->schema());
    tabella_ = new QTableView;
    modello_ = new ModelloRicalcolo(scheda_.tabella(), this);
    tabella_->setModel(modello_);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->verticalHeader()->hide();
    tabella_->verticalHeader()->setDefaultSectionSize(tabella_->fontMetrics().height() + 8);
    tabella_->setWordWrap(false);
    tabella_->setAlternatingRowColors(true);
    tabella_->setToolTip(qs(scheda_.pannello()->schema().definizione(c.tabella).aiuto));
    connect(modello_, &QAbstractItemModel::modelReset, tabella_, &QTableView::resizeColumnsToContents);
    legame_->lega(c.tabella, tabella_);
    grafico_ = new QChartView;
    grafico_->setRenderHint(QPainter::Antialiasing);
    grafico_->setMinimumHeight(180);
    legame_->lega(c.grafico, grafico_);
    auto* divisore = new QSplitter(Qt::Vertical);
    divisore->addWidget(tabella_);
    divisore->addWidget(grafico_);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);
    return divisore;
}

QWidget* VistaRicalcolo::risultato() {
    const auto& c = controlli<ControlliRicalcolo>(scheda_.pannello()->schema());
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    v->setContentsMargins(0, 0, 0, 0);
    v->addLayout(cifre(pagina));
    auto* stato = qobject_cast<QLabel*>(legame_->crea(c.stato, pagina));
    stato->setWordWrap(true);
    v->addWidget(stato);
    v->addWidget(periodi(), 1);
    auto* comandi = new QHBoxLayout;
    for (int id : {c.relazionePdf, c.relazioneOdt, c.esportaExcel})
        comandi->addWidget(campo(id, pagina));
    comandi->addStretch();
    v->addLayout(comandi);
    return pagina;
}

void VistaRicalcolo::aggiorna() {
    if (!scheda_.pannello()) return;
    if (!legame_) costruisci();
    modello_->aggiorna();
    legame_->aggiorna();
    if (graficoDi_ != scheda_.tabella().versione()) {
        graficoDi_ = scheda_.tabella().versione();
        QChart* vecchio = grafico_->chart();
        grafico_->setChart(creaGraficoPratica(scheda_.pannello()->grafico()));
        delete vecchio;
    }
}

} // namespace vantrel::gui
