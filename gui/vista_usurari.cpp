#include "vista_usurari.h"

#include "area_scorrevole.h"
#include "font_fisso.h"
#include "ftp_in_attesa.h"
#include "legame_finestra.h"
#include "qt_testo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace vantrel::gui {
namespace {

// Draws the listing rows without their sort key and with each figure right-aligned under its
// column heading: the stored row keeps two blanks between figures, narrower than the headings.
class SottoIntestazioni : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& i) const override {
        QStyledItemDelegate::initStyleOption(o, i);
        o->text = rigaAllineata(qs(testoVisibile(ss(o->text))));
    }
};

// The sunken line between two categories of the rate fields.
QFrame* lineaSottile(QWidget* genitore) {
    auto* linea = new QFrame(genitore);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    return linea;
}

} // namespace

QString rigaAllineata(const QString& visibile) {
    static const QString intestazione = qs(kIntestazioneTassi2);
    // Where each figure column of the headings ends, and where the period and class headings start.
    static const std::vector<qsizetype> fini = [] {
        std::vector<qsizetype> f;
        for (qsizetype da = 0;;) {
            const qsizetype medio = intestazione.indexOf(QLatin1String("t. "), da);
            if (medio < 0) break;
            const qsizetype fine = intestazione.indexOf(QLatin1Char(' '), medio + 3);
            f.push_back(fine < 0 ? intestazione.size() : fine);
            da = f.back();
        }
        f.push_back(intestazione.size()); // C.M.S.
        return f;
    }();
    constexpr qsizetype kPrefisso = 22; // period and class before the figures
    if (visibile.size() <= kPrefisso || visibile.at(0) == QLatin1Char('-'))
        return visibile.startsWith(QLatin1Char('-')) ? QString(intestazione.size(), QLatin1Char('-')) : visibile;
    const QString periodo = visibile.left(15).trimmed();
    const QString classe = visibile.mid(15, kPrefisso - 15).trimmed();
    const QStringList cifre = visibile.mid(kPrefisso).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString riga(intestazione.size(), QLatin1Char(' '));
    const auto metti = [&](qsizetype da, const QString& t) {
        if (riga.size() < da + t.size()) riga.resize(da + t.size(), QLatin1Char(' '));
        riga.replace(da, t.size(), t);
    };
    metti(intestazione.indexOf(QLatin1String("Trimestre")) - 2, periodo);
    metti(intestazione.indexOf(QLatin1String("scaglione")) + 2, classe);
    // The third class has only the advances' pair, in the fifth and sixth columns.
    const std::size_t primo = cifre.size() == 2 ? 4 : 0;
    for (qsizetype k = 0; k < cifre.size() && primo + static_cast<std::size_t>(k) < fini.size(); ++k) {
        const QString& c = cifre.at(k);
        metti(std::max<qsizetype>(0, fini[primo + static_cast<std::size_t>(k)] - c.size()), c);
    }
    return riga;
}

VistaUsurari::VistaUsurari(Contesto& ctx, std::optional<ServerTassi> server, QWidget* parent)
    : QWidget(parent), modello_(std::make_unique<Usurari>(ctx, std::move(server))),
      legame_(new LegameFinestra(*modello_, this)) {
    setWindowTitle(qs(modello_->schema().titolo()));
    auto* v = new QVBoxLayout(this);
    v->setMenuBar(barraMenu());

    v->addWidget(titolo());
    v->addLayout(periodo());

    // The fields and the listing scroll on a screen too small for them; the buttons stay in sight.
    auto* corpo = new QWidget;
    auto* centro = new QHBoxLayout(corpo);
    centro->setContentsMargins(0, 0, 0, 0);
    centro->addWidget(campiTassi());
    centro->addWidget(elenco(), 1);
    v->addWidget(new AreaScorrevole(corpo, this), 1);

    v->addLayout(comandi());

    legame_->ordinaTab();
    modello_->avanzamento = [this] { mostraAttesa(); };
    legame_->dopoEvento([this] {
        if (modello_->chiusa()) emit chiusa();
    });
    legame_->aggiorna();
}

// The window's title in a raised panel.
QLabel* VistaUsurari::titolo() {
    auto* titolo = qobject_cast<QLabel*>(legame_->crea(controlli<ControlliTassi>(modello_->schema()).titolo, this));
    titolo->setFrameShape(QFrame::Panel);
    titolo->setFrameShadow(QFrame::Raised);
    titolo->setAlignment(Qt::AlignCenter);
    QFont ft = titolo->font();
    ft.setBold(true);
    ft.setPointSizeF(ft.pointSizeF() * 1.4);
    titolo->setFont(ft);
    titolo->setMinimumHeight(32);
    return titolo;
}

// The quarter and the year shown, and the stored quarter to call back.
QHBoxLayout* VistaUsurari::periodo() {
    const auto& c = controlli<ControlliTassi>(modello_->schema());
    auto* periodo = new QHBoxLayout;
    const auto coppia = [&](int etichetta, int combo) {
        auto* l = qobject_cast<QLabel*>(legame_->crea(etichetta, this));
        QWidget* w = legame_->crea(combo, this);
        l->setBuddy(w);
        periodo->addWidget(l);
        periodo->addWidget(w);
    };
    periodo->addWidget(legame_->crea(c.etichettaPeriodo, this));
    coppia(c.etichettaTrimestre, c.trimestre);
    coppia(c.etichettaAnno, c.anno);
    periodo->addSpacing(24);
    coppia(c.etichettaRichiama, c.richiama);
    periodo->addStretch();
    legame_->widget(c.trimestre)->setMinimumWidth(50);
    legame_->widget(c.anno)->setMinimumWidth(70);
    legame_->widget(c.richiama)->setMinimumWidth(130);
    return periodo;
}

// The state of the download with its wait bar and its stop, and the window's buttons.
QHBoxLayout* VistaUsurari::comandi() {
    const auto& c = controlli<ControlliTassi>(modello_->schema());
    auto* basso = new QHBoxLayout;
    auto* stato = qobject_cast<QLabel*>(legame_->crea(c.stato, this));
    stato->setTextFormat(Qt::PlainText);
    basso->addWidget(stato, 1);
    occupato_ = new QProgressBar(this);
    occupato_->setObjectName(QStringLiteral("attesa"));
    occupato_->setRange(0, 0); // busy, with no known end
    occupato_->setMaximumWidth(160);
    occupato_->setTextVisible(false);
    occupato_->hide();
    basso->addWidget(occupato_);
    annulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    annulla_->setObjectName(QStringLiteral("annullaScaricamento"));
    annulla_->setProperty(kAttivoInAttesa, true);
    annulla_->hide();
    connect(annulla_, &QPushButton::clicked, this, [this] {
        modello_->annullaScaricamento();
        annulla_->setEnabled(false);
    });
    basso->addWidget(annulla_);
    const auto pulsante = [&](int id, const QString& testo) {
        auto* b = qobject_cast<QPushButton*>(legame_->crea(id, this));
        if (b->text().isEmpty()) b->setText(testo);
        basso->addWidget(b);
    };
    pulsante(c.conferma, {});
    pulsante(c.pulisci, QStringLiteral("Pulisci"));
    pulsante(c.scarica, QStringLiteral("Scarica tassi"));
    pulsante(c.esci, QStringLiteral("Esci"));
    legame_->widget(c.esci)->setProperty(kAttivoInAttesa, true); // it cancels the download and closes
    return basso;
}

VistaUsurari::~VistaUsurari() {
    modello_->avanzamento = nullptr;
    if (cursore_) QApplication::restoreOverrideCursor();
    delete legame_; // no event may reach the model while the widgets go
}

QMenuBar* VistaUsurari::barraMenu() {
    // The model's menu items carry their menu's caption as group.
    auto* barra = new QMenuBar(this);
    const Schema& s = modello_->schema();
    for (std::size_t i = 0; i < s.dimensione(); ++i) {
        const DefinizioneControllo& d = s.definizione(static_cast<int>(i));
        if (d.tipo != Tipo::Pulsante || d.gruppo.empty()) continue;
        QMenu* menu = barra->findChild<QMenu*>(qs(d.gruppo));
        if (!menu) {
            menu = barra->addMenu(qs(d.gruppo));
            menu->setObjectName(qs(d.gruppo));
        }
        QAction* a = menu->addAction(qs(d.testo));
        a->setObjectName(qs(d.nome));
        const int id = static_cast<int>(i);
        connect(a, &QAction::triggered, this, [this, id] {
            modello_->clicca(id);
            legame_->aggiorna();
        });
    }
    return barra;
}

QWidget* VistaUsurari::campiTassi() {
    auto* box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    const auto& c = controlli<ControlliTassi>(modello_->schema());
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(3);
    const auto etichetta = [&](int id, int riga, int col, int righe = 1, int colonne = 1) {
        auto* l = qobject_cast<QLabel*>(legame_->crea(id, box));
        l->setWordWrap(true);
        g->addWidget(l, riga, col, righe, colonne);
        return l;
    };
    etichetta(c.etichettaCategoria, 0, 0);
    etichetta(c.classiDiImporto, 0, 1);
    etichetta(c.etichettaMedi, 0, 2);
    etichetta(c.etichettaSoglie, 0, 3);
    for (int k = 0; k < 4; ++k) {
        auto* l = qobject_cast<QLabel*>(g->itemAtPosition(0, k)->widget());
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    // One line per class of amount: its caption and its average and threshold fields.
    const auto classe = [&](int riga, int didascalia, int medio, int soglia) {
        if (didascalia >= 0) etichetta(didascalia, riga, 1);
        for (auto [id, col] : {std::pair{medio, 2}, std::pair{soglia, 3}}) {
            auto* e = qobject_cast<QLineEdit*>(legame_->crea(id, box));
            e->setAlignment(Qt::AlignRight);
            e->setFixedWidth(58);
            g->addWidget(e, riga, col);
        }
    };
    const auto separatore = [&](int riga) { g->addWidget(lineaSottile(box), riga, 0, 1, 4); };
    separatore(1);
    etichetta(c.etichettaConto, 2, 0, 2);
    classe(2, c.etichettaContoFino, c.medioContoFino, c.sogliaContoFino);
    classe(3, c.etichettaContoOltre, c.medioContoOltre, c.sogliaContoOltre);
    separatore(4);
    etichetta(c.etichettaScoperti, 5, 0, 2);
    classe(5, c.etichettaScopertiFino, c.medioScopertiFino, c.sogliaScopertiFino);
    classe(6, c.etichettaScopertiOltre, c.medioScopertiOltre, c.sogliaScopertiOltre);
    separatore(7);
    etichetta(c.etichettaAnticipi, 8, 0, 3);
    classe(8, c.etichettaAnticipiFino, c.medioAnticipiFino, c.sogliaAnticipiFino);
    auto* secondo = new QVBoxLayout;
    secondo->setSpacing(0);
    secondo->addWidget(legame_->crea(c.etichettaAnticipiMedi, box));
    secondo->addWidget(legame_->crea(c.etichettaAnticipiMediEuro, box));
    g->addLayout(secondo, 9, 1);
    classe(9, -1, c.medioAnticipiMedi, c.sogliaAnticipiMedi);
    classe(10, c.etichettaAnticipiOltre, c.medioAnticipiOltre, c.sogliaAnticipiOltre);
    separatore(11);
    etichetta(c.etichettaCms, 12, 0, 1, 2);
    classe(12, -1, c.cms, c.sogliaCms);
    g->setColumnMinimumWidth(0, 150);
    g->setColumnMinimumWidth(1, 180);
    g->setRowStretch(13, 1);
    return box;
}

QWidget* VistaUsurari::elenco() {
    // The panel holds the two headings and the listing, so that they share their left edge.
    const auto& c = controlli<ControlliTassi>(modello_->schema());
    auto* pannello = qobject_cast<QGroupBox*>(legame_->crea(c.pannello, this));
    pannello->setFlat(true);
    auto* v = new QVBoxLayout(pannello);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    const QFont courier = fontFisso(QStringLiteral("Courier New"), 8.25);
    auto* lista = qobject_cast<QListWidget*>(legame_->crea(c.elenco, pannello));
    lista->setFont(courier);
    lista->setItemDelegate(new SottoIntestazioni(lista)); // rows drawn without their sort key
    lista->setFocusPolicy(Qt::NoFocus);                   // outside the tab order, as the listing is only read
    // The headings start where the rows' text starts inside the list.
    const int margine = lista->frameWidth() + lista->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    for (int id : {c.intestazione1, c.intestazione2}) {
        auto* l = qobject_cast<QLabel*>(legame_->crea(id, pannello));
        l->setFont(courier);
        l->setTextFormat(Qt::PlainText);
        l->setContentsMargins(margine, 0, 0, 0);
        v->addWidget(l);
    }
    v->addWidget(lista, 1);
    const QFontMetrics m(courier);
    pannello->setMinimumWidth(m.horizontalAdvance(qs(kIntestazioneTassi2)) + 2 * margine + 24);
    lista->setMinimumHeight(m.height() * 20);
    return pannello;
}

void VistaUsurari::mostraAttesa() {
    legame_->aggiorna();
    for (QAction* a : findChildren<QAction*>()) // the menu's entries, as their controls
        if (const int id = modello_->schema().trova(ss(a->objectName())); id >= 0)
            a->setEnabled((*modello_)[id].abilitato);
    const bool attesa = modello_->inAttesa();
    occupato_->setVisible(attesa);
    annulla_->setVisible(attesa);
    if (!attesa) annulla_->setEnabled(true);
    if (attesa != cursore_) {
        if (attesa)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
        cursore_ = attesa;
    }
    repaint(); // the next step may block until the server answers
}

void VistaUsurari::closeEvent(QCloseEvent* e) {
    if (modello_->inAttesa()) {
        modello_->uscita(); // cancelled first; the window closes when the download has stopped
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

} // namespace vantrel::gui
