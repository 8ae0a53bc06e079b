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
    if (scheda_.pannello()->schema().definizione(id).tipo != Tipo::Data) return legame_->crea(id, genitore);
    QWidget* w = campoData(genitore);
    legame_->lega(id, w);
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
    auto* g = new QGridLayout(pagina);
    int riga = 0;
    const auto aggiungi = [&](int id, int colonna, int colonne = 1) {
        QWidget* w = campo(id, pagina);
        w->setToolTip(qs(scheda_.pannello()->schema().definizione(id).aiuto));
        g->addWidget(w, riga, colonna, 1, colonne);
        return w;
    };
    const auto periodo = [&](int dal, int al) {
        ++riga;
        g->addWidget(testo("dal", pagina), riga, 0, Qt::AlignRight);
        aggiungi(dal, 1);
        g->addWidget(testo("al", pagina), riga, 2, Qt::AlignRight);
        aggiungi(al, 3);
        ++riga;
    };
    const std::tuple<int, int, int, int> combo[] = {
        {c.etichettaCapitalizzazione, c.capitalizzazione, c.capitalizzazioneDal, c.capitalizzazioneAl},
        {c.etichettaCms, c.cms, c.cmsDal, c.cmsAl},
        {c.etichettaUsura, c.usura, c.usuraDal, c.usuraAl},
        {c.etichettaTassi, c.tassi, c.tassiDal, c.tassiAl}};
    for (auto [etichetta, scelta, dal, al] : combo) {
        aggiungi(etichetta, 0, 4);
        ++riga;
        aggiungi(scelta, 0, 4);
        periodo(dal, al);
        if (scelta == c.capitalizzazione) {
            aggiungi(c.etichettaAdeguamento, 0, 3);
            aggiungi(c.adeguamento, 3);
            ++riga;
        } else if (scelta == c.cms) {
            aggiungi(c.commissioni, 0, 4);
            periodo(c.commissioniDal, c.commissioniAl);
        }
    }
    aggiungi(c.tassiInseriti, 0, 4)->setMaximumHeight(70);
    ++riga;
    g->addWidget(testo("dal", pagina), riga, 0, Qt::AlignRight);
    aggiungi(c.tassoDal, 1);
    g->addWidget(testo("debitore %", pagina), riga, 2, Qt::AlignRight);
    aggiungi(c.tassoDebitore, 3);
    ++riga;
    g->addWidget(testo("creditore %", pagina), riga, 2, Qt::AlignRight);
    aggiungi(c.tassoCreditore, 3);
    ++riga;
    auto* pulsanti = new QHBoxLayout;
    for (int id : {c.aggiungiTasso, c.eliminaTasso})
        pulsanti->addWidget(legame_->crea(id, pagina));
    pulsanti->addStretch();
    g->addLayout(pulsanti, riga++, 0, 1, 4);
    aggiungi(c.speseOperazioni, 0, 4);
    ++riga;
    aggiungi(c.speseFisse, 0, 4);
    periodo(c.speseDal, c.speseAl);
    auto* saldo = new QGroupBox(QStringLiteral("Saldo iniziale"), pagina); // the options' own group
    auto* s = new QVBoxLayout(saldo);
    for (int id : {c.saldoBanca, c.saldoZero})
        s->addWidget(legame_->crea(id, saldo));
    g->addWidget(saldo, riga++, 0, 1, 4);
    aggiungi(c.prescrizione, 0, 4);
    ++riga;
    g->addWidget(testo("prima richiesta", pagina), riga, 0, 1, 2, Qt::AlignRight);
    aggiungi(c.primaRichiesta, 3);
    g->setRowStretch(riga + 1, 1);
    g->setColumnStretch(3, 1);
    auto* scorre = new QScrollArea;
    scorre->setWidget(pagina);
    scorre->setWidgetResizable(true);
    scorre->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorre->setMinimumWidth(pagina->sizeHint().width() + 24);
    return scorre;
}

QWidget* VistaRicalcolo::risultato() {
    const auto& c = controlli<ControlliRicalcolo>(scheda_.pannello()->schema());
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    v->setContentsMargins(0, 0, 0, 0);
    auto* cifre = new QGridLayout;
    const std::pair<const char*, int> voci[] = {{"Saldo finale della banca:", c.saldoBancaFinale},
                                                {"Saldo rideterminato:", c.saldoRideterminato},
                                                {"Differenza:", c.differenza},
                                                {"Da restituire:", c.daRestituire},
                                                {"Minore debito:", c.minoreDebito},
                                                {"Escluso per prescrizione:", c.prescritto}};
    for (std::size_t k = 0; k < std::size(voci); ++k) {
        const int r = static_cast<int>(k % 3), col = static_cast<int>(k / 3) * 2;
        cifre->addWidget(testo(voci[k].first, pagina), r, col);
        QWidget* w = legame_->crea(voci[k].second, pagina);
        w->setToolTip(qs(scheda_.pannello()->schema().definizione(voci[k].second).aiuto));
        QFont f = w->font();
        f.setBold(true);
        w->setFont(f);
        cifre->addWidget(w, r, col + 1, Qt::AlignRight);
    }
    cifre->setColumnMinimumWidth(2, 180);
    cifre->setColumnStretch(4, 1);
    v->addLayout(cifre);
    auto* stato = qobject_cast<QLabel*>(legame_->crea(c.stato, pagina));
    stato->setWordWrap(true);
    v->addWidget(stato);

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
    v->addWidget(divisore, 1);

    auto* comandi = new QHBoxLayout;
    for (int id : {c.relazionePdf, c.relazioneOdt, c.esportaExcel}) {
        QWidget* w = legame_->crea(id, pagina);
        w->setToolTip(qs(scheda_.pannello()->schema().definizione(id).aiuto));
        comandi->addWidget(w);
    }
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
