#include "vista_finestra_pratica.h"

#include "case_window/finestra_pratica.h"
#include "legame_finestra.h"
#include "modello_tabella_celle.h"
#include "pagine_addebiti.h"
#include "qt_testo.h"
#include "vista_ricalcolo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace vantrel::gui {
namespace {

QLabel* etichetta(const char* testo, QWidget* genitore) {
    return new QLabel(QString::fromUtf8(testo), genitore);
}

} // namespace

VistaFinestraPratica::VistaFinestraPratica(std::unique_ptr<FinestraPratica> modello, QWidget* parent)
    : QWidget(parent), modello_(std::move(modello)), legame_(new LegameFinestra(*modello_, this)) {
    setObjectName(QStringLiteral("Pratica"));
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    auto* v = new QVBoxLayout(this);
    auto* schede = qobject_cast<QTabWidget*>(legame_->crea(c.schede, this));
    const auto& titoli = (*modello_)[c.schede].voci;
    const int scheda = (*modello_)[c.schede].selezione; // the first page added reports itself shown
    ricalcolo_ = new VistaRicalcolo(modello_->ricalcolo());
    connect(ricalcolo_, &VistaRicalcolo::cambiata, this, &VistaFinestraPratica::aggiorna);
    addebiti_ = new PagineAddebiti(
        *modello_, *legame_, [this](int id, TabellaCelle& t, ModelloTabellaCelle*& m) { return tabella(id, t, m); },
        this);
    QWidget* pagine[] = {schedaDati(),    schedaMovimenti(), schedaImportazione(),  schedaCondizioni(),
                         schedaScalare(), ricalcolo_,        addebiti_->addebiti(), addebiti_->note()};
    for (std::size_t k = 0; k < std::size(pagine); ++k)
        schede->addTab(pagine[k], qs(titoli[k]));
    modello_->seleziona(c.schede, scheda);
    // A tab shown may work the scalare out: the screen follows once the model has heard of it.
    connect(schede, &QTabWidget::currentChanged, this, [this] {
        QTimer::singleShot(0, this, [this] {
            legame_->aggiorna();
            aggiorna();
        });
    });
    v->addWidget(schede, 1);
    v->addWidget(barraAvanzamento());

    // Undo and redo of the movements; a text field keeps its own Ctrl+Z.
    const auto scorciatoia = [this](QKeySequence tasti, int id, QWidget* dove, Qt::ShortcutContext contesto) {
        auto* s = new QShortcut(tasti, dove);
        s->setContext(contesto);
        connect(s, &QShortcut::activated, this, [this, id] {
            if (!(*modello_)[id].abilitato) return;
            modello_->clicca(id);
            legame_->aggiorna();
            aggiorna();
        });
    };
    scorciatoia(QKeySequence::Undo, c.annullaModifica, this, Qt::WidgetWithChildrenShortcut);
    scorciatoia(QKeySequence(Qt::CTRL | Qt::Key_Y), c.ripetiModifica, this, Qt::WidgetWithChildrenShortcut);
    scorciatoia(QKeySequence::Delete, c.eliminaMovimento, movimenti_, Qt::WidgetShortcut);

    modello_->mostraAvanzamento = [this] { mostraAvanzamento(); };
    legame_->dopoEvento([this] { aggiorna(); });
    legame_->ordinaTab();
    legame_->aggiorna();
    aggiorna();
}

VistaFinestraPratica::~VistaFinestraPratica() {
    delete legame_; // no event may reach the model while the widgets go
    // The grids and their models read the model's tables: they go before it.
    const QObjectList figli = children();
    qDeleteAll(figli);
}

QWidget* VistaFinestraPratica::schedaDati() {
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    auto* pagina = new QWidget;
    auto* f = new QFormLayout(pagina);
    const std::pair<const char*, int> campi[] = {{"Cliente", c.cliente},
                                                 {"Banca", c.banca},
                                                 {"Conto", c.conto},
                                                 {"Saldo iniziale", c.saldoIniziale},
                                                 {"Inizio dello scalare", c.inizio}};
    for (auto [testo, id] : campi) {
        QWidget* w = legame_->crea(id, pagina);
        w->setMaximumWidth(id == c.saldoIniziale || id == c.inizio ? 160 : 520);
        w->setToolTip(qs(modello_->schema().definizione(id).aiuto));
        f->addRow(etichetta(testo, pagina), w);
    }
    auto* nota = etichetta("Ogni modifica è scritta subito nel file della pratica.", pagina);
    nota->setWordWrap(true);
    f->addRow(nota);
    return pagina;
}

QTableView* VistaFinestraPratica::tabella(int id, TabellaCelle& t, ModelloTabellaCelle*& m) {
    auto* vista = new QTableView;
    m = new ModelloTabellaCelle(t, this);
    m->dopoModifica = [this] {
        legame_->aggiorna();
        aggiorna();
    };
    vista->setModel(m);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setSelectionMode(QAbstractItemView::SingleSelection);
    vista->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    vista->verticalHeader()->setDefaultSectionSize(vista->fontMetrics().height() + 8);
    vista->setWordWrap(false);
    vista->setAlternatingRowColors(true);
    vista->setToolTip(qs(modello_->schema().definizione(id).aiuto));
    legame_->lega(id, vista);
    connect(vista->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, id](const QModelIndex& attuale) {
                if (aggiornando_) return;
                modello_->selezionaVoce(id, attuale.row());
                legame_->aggiorna();
                aggiorna();
            });
    return vista;
}

QWidget* VistaFinestraPratica::schedaMovimenti() {
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    v->addWidget(legame_->crea(c.totaleMovimenti, pagina));
    movimenti_ = tabella(c.tabellaMovimenti, modello_->movimenti(), modelloMovimenti_);
    v->addWidget(movimenti_, 1);
    auto* nuovo = new QHBoxLayout;
    const std::tuple<const char*, int, int> campi[] = {{"Data", c.nuovaData, 95},
                                                       {"Valuta", c.nuovaValuta, 95},
                                                       {"Descrizione", c.nuovaDescrizione, 0},
                                                       {"Importo", c.nuovoImporto, 120}};
    for (auto [testo, id, larghezza] : campi) {
        nuovo->addWidget(etichetta(testo, pagina));
        QWidget* w = legame_->crea(id, pagina);
        w->setToolTip(qs(modello_->schema().definizione(id).aiuto));
        if (larghezza > 0) w->setFixedWidth(larghezza);
        nuovo->addWidget(w, larghezza > 0 ? 0 : 1);
    }
    for (int id : {c.aggiungiMovimento, c.eliminaMovimento, c.annullaModifica, c.ripetiModifica})
        nuovo->addWidget(legame_->crea(id, pagina));
    v->addLayout(nuovo);
    const int larghezze[] = {110, 110, 540, 110, 120};
    for (int k = 0; k < 5; ++k)
        movimenti_->setColumnWidth(k, larghezze[k]);
    return pagina;
}

QWidget* VistaFinestraPratica::schedaImportazione() {
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    auto* file = new QHBoxLayout;
    file->addWidget(legame_->crea(c.scegliMovimenti, pagina));
    file->addWidget(legame_->crea(c.fileMovimenti, pagina), 1);
    v->addLayout(file);
    v->addWidget(etichetta("Colonne del file e come sono lette:", pagina));
    QWidget* colonne = legame_->crea(c.colonneLette, pagina);
    colonne->setMaximumHeight(130);
    v->addWidget(colonne);
    v->addWidget(etichetta("Primi movimenti (data operazione, data valuta, importo, descrizione):", pagina));
    v->addWidget(legame_->crea(c.anteprimaMovimenti, pagina), 1);
    auto* esito = qobject_cast<QLabel*>(legame_->crea(c.esitoLettura, pagina));
    esito->setWordWrap(true);
    v->addWidget(esito);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(legame_->crea(c.importaMovimenti, pagina));
    comandi->addWidget(legame_->crea(c.scartaAnteprima, pagina));
    comandi->addStretch();
    v->addLayout(comandi);
    return pagina;
}

QWidget* VistaFinestraPratica::schedaCondizioni() {
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    condizioni_ = tabella(c.tabellaCondizioni, modello_->condizioni(), modelloCondizioni_);
    connect(modelloCondizioni_, &QAbstractItemModel::modelReset, condizioni_, &QTableView::resizeColumnsToContents);
    condizioni_->resizeColumnsToContents();
    v->addWidget(condizioni_, 1);
    auto* esito = qobject_cast<QLabel*>(legame_->crea(c.esitoCondizioni, pagina));
    esito->setWordWrap(true);
    v->addWidget(esito);
    auto* comandi = new QHBoxLayout;
    for (int id : {c.aggiungiCondizioni, c.eliminaCondizioni, c.importaCondizioni})
        comandi->addWidget(legame_->crea(id, pagina));
    comandi->addStretch();
    v->addLayout(comandi);
    return pagina;
}

QWidget* VistaFinestraPratica::schedaScalare() {
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(legame_->crea(c.calcolaScalare, pagina));
    comandi->addWidget(legame_->crea(c.esportaScalare, pagina));
    auto* esito = qobject_cast<QLabel*>(legame_->crea(c.esitoScalare, pagina));
    esito->setWordWrap(true);
    comandi->addWidget(esito, 1);
    v->addLayout(comandi);
    scalare_ = tabella(c.tabellaScalare, modello_->scalare().tabella(), modelloScalare_);
    connect(modelloScalare_, &QAbstractItemModel::modelReset, scalare_, &QTableView::resizeColumnsToContents);
    v->addWidget(scalare_, 1);
    return pagina;
}

QWidget* VistaFinestraPratica::barraAvanzamento() {
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    auto* riga = new QWidget(this);
    auto* h = new QHBoxLayout(riga);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(legame_->crea(c.avanzamento, riga));
    barra_ = new QProgressBar(riga);
    barra_->setMaximumWidth(320);
    barra_->hide();
    h->addWidget(barra_);
    h->addWidget(legame_->crea(c.annullaLavoro, riga));
    h->addStretch();
    return riga;
}

void VistaFinestraPratica::seleziona(int id, int riga) {
    auto* vista = legame_->w<QTableView>(id);
    if (!vista || vista->currentIndex().row() == riga) return;
    if (riga < 0)
        vista->clearSelection();
    else
        vista->selectRow(riga);
}

void VistaFinestraPratica::aggiorna() {
    const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
    aggiornando_ = true;
    for (auto* m : {modelloMovimenti_, modelloCondizioni_, modelloScalare_})
        m->aggiorna();
    ricalcolo_->aggiorna();

    for (int id : {c.tabellaMovimenti, c.tabellaCondizioni})
        seleziona(id, (*modello_)[id].selezione);
    addebiti_->aggiorna();
    aggiornando_ = false;
    barra_->setVisible(modello_->inCorso() && (*modello_)[c.avanzamento].visibile);
    const QString titolo = qs(modello_->titolo());
    if (windowTitle() != titolo) setWindowTitle(titolo);
    emit statoCambiato();
}

void VistaFinestraPratica::mostraAvanzamento() {
    const auto grande = [](std::size_t n) { return n > 1000000000u; };
    // Large byte counts are scaled to fit the bar's int range.
    const std::size_t scala = grande(modello_->totale()) ? 1024 : 1;
    barra_->setRange(0, static_cast<int>(modello_->totale() / scala));
    barra_->setValue(static_cast<int>(modello_->fatti() / scala));
    barra_->show();
    legame_->aggiorna();
    // The screen's events run only here, while the work waits: all but "Annulla" are held back.
    filtro_ = true;
    qApp->installEventFilter(this);
    QApplication::processEvents();
    qApp->removeEventFilter(this);
    filtro_ = false;
}

bool VistaFinestraPratica::eventFilter(QObject* o, QEvent* e) {
    if (!filtro_) return QWidget::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Close: {
        const auto& c = controlli<ControlliFinestraPratica>(modello_->schema());
        QWidget* annulla = legame_->widget(c.annullaLavoro);
        auto* w = qobject_cast<QWidget*>(o);
        const bool suAnnulla = w && annulla && (w == annulla || annulla->isAncestorOf(w));
        if (!suAnnulla) {
            e->ignore();
            return true; // the rest of the screen waits for the end of the work
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(o, e);
}

void VistaFinestraPratica::closeEvent(QCloseEvent* e) {
    if (!modello_->chiusuraConsentita()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

} // namespace vantrel::gui
