#include "pagine_addebiti.h"

#include "case_window/controlli_addebiti_pratica.h"
#include "case_window/finestra_pratica.h"
#include "legame_finestra.h"
#include "modello_tabella_celle.h"
#include "qt_testo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace vantrel::gui {
namespace {

QLabel* etichetta(const char* testo, QWidget* genitore) {
    return new QLabel(QString::fromUtf8(testo), genitore);
}

} // namespace

PagineAddebiti::PagineAddebiti(FinestraPratica& modello, LegameFinestra& legame, const CreaTabella& tabella,
                               QObject* parent)
    : QObject(parent), modello_(modello), legame_(legame) {
    addebiti_ = paginaAddebiti(tabella);
    note_ = paginaNote(tabella);
    // Tab runs through the fields and buttons of these pages in the order their rows give.
    std::vector<int> ordine;
    for (const std::string& nome : ordineTab(ControlliAddebitiPratica::kRighe))
        ordine.push_back(modello_.schema().id(nome));
    legame_.ordinaTab(ordine);
}

QWidget* PagineAddebiti::paginaAddebiti(const CreaTabella& tabella) {
    auto* pagina = new QWidget;
    auto* h = new QHBoxLayout(pagina);
    h->addWidget(gruppoParole(tabella), 3);
    h->addWidget(gruppoInseriti(tabella), 5);
    return pagina;
}

QWidget* PagineAddebiti::gruppoParole(const CreaTabella& tabella) {
    const auto& c = controlli<ControlliAddebitiPratica>(modello_.schema());
    auto* gruppo = new QGroupBox(QStringLiteral("Parole che riconoscono gli addebiti della banca"));
    auto* v = new QVBoxLayout(gruppo);
    parole_ = tabella(c.tabellaParole, modello_.parole(), modelloParole_);
    // The words take the room left by their kind: no column runs out of the group's sight.
    parole_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    parole_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    v->addWidget(parole_, 1);
    auto* nuova = new QHBoxLayout;
    for (int id : {c.nuovaParola, c.tipoParola}) {
        QWidget* w = legame_.crea(id, gruppo);
        w->setToolTip(qs(modello_.schema().definizione(id).aiuto));
        nuova->addWidget(w, id == c.nuovaParola ? 1 : 0);
    }
    nuova->addWidget(legame_.crea(c.aggiungiParola, gruppo));
    v->addLayout(nuova);
    auto* comandi = new QHBoxLayout;
    for (int id : {c.eliminaParola, c.paroleUsuali})
        comandi->addWidget(legame_.crea(id, gruppo));
    comandi->addStretch();
    v->addLayout(comandi);
    auto* esito = qobject_cast<QLabel*>(legame_.crea(c.esitoParole, gruppo));
    esito->setWordWrap(true);
    v->addWidget(esito);
    return gruppo;
}

QWidget* PagineAddebiti::gruppoInseriti(const CreaTabella& tabella) {
    const auto& c = controlli<ControlliAddebitiPratica>(modello_.schema());
    auto* gruppo = new QGroupBox(QStringLiteral("Addebiti della banca inseriti a mano, per periodo"));
    auto* v = new QVBoxLayout(gruppo);
    righe_ = tabella(c.tabellaAddebiti, modello_.addebiti(), modelloRighe_);
    // Every column in sight, the total last among them, whatever the screen's width.
    righe_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    v->addWidget(righe_, 1);
    auto* campi = new QGridLayout;
    const std::pair<const char*, int> voci[] = {{"Data", c.dataAddebiti},
                                                {"Interessi", c.interessiAddebiti},
                                                {"Competenze", c.competenzeAddebiti},
                                                {"Commissioni", c.commissioniAddebiti},
                                                {"Spese", c.speseAddebiti}};
    int colonna = 0;
    for (auto [testo, id] : voci) {
        campi->addWidget(etichetta(testo, gruppo), 0, colonna);
        QWidget* w = legame_.crea(id, gruppo);
        w->setToolTip(qs(modello_.schema().definizione(id).aiuto));
        w->setMaximumWidth(120);
        campi->addWidget(w, 1, colonna++);
    }
    for (int id : {c.aggiungiAddebiti, c.eliminaAddebiti})
        campi->addWidget(legame_.crea(id, gruppo), 1, colonna++);
    campi->setColumnStretch(colonna, 1);
    v->addLayout(campi);
    auto* esito = qobject_cast<QLabel*>(legame_.crea(c.esitoAddebiti, gruppo));
    esito->setWordWrap(true);
    v->addWidget(esito);
    return gruppo;
}

QWidget* PagineAddebiti::paginaNote(const CreaTabella& tabella) {
    const auto& c = controlli<ControlliAddebitiPratica>(modello_.schema());
    auto* pagina = new QWidget;
    auto* v = new QVBoxLayout(pagina);
    elenco_ = tabella(c.tabellaNote, modello_.note(), modelloNote_);
    elenco_->setColumnWidth(0, 110);
    elenco_->horizontalHeader()->setStretchLastSection(true);
    elenco_->setWordWrap(true);
    v->addWidget(elenco_, 1);
    auto* nuova = new QHBoxLayout;
    nuova->addWidget(etichetta("Nuova nota", pagina));
    QWidget* testo = legame_.crea(c.testoNota, pagina);
    testo->setToolTip(qs(modello_.schema().definizione(c.testoNota).aiuto));
    nuova->addWidget(testo, 1);
    nuova->addWidget(legame_.crea(c.aggiungiNota, pagina));
    v->addLayout(nuova);
    return pagina;
}

void PagineAddebiti::aggiorna() {
    const auto& c = controlli<ControlliAddebitiPratica>(modello_.schema());
    for (auto* m : {modelloParole_, modelloRighe_, modelloNote_})
        m->aggiorna();
    const std::pair<QTableView*, int> tabelle[] = {{parole_, c.tabellaParole}, {righe_, c.tabellaAddebiti}};
    for (auto [vista, id] : tabelle) {
        const int riga = modello_[id].selezione;
        if (vista->currentIndex().row() == riga) continue;
        if (riga < 0)
            vista->clearSelection();
        else
            vista->selectRow(riga);
    }
}

} // namespace vantrel::gui
