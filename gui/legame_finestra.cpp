#include "legame_finestra.h"

#include "qt_testo.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace vantrel::gui {
namespace {

const QString kFormatoData = QStringLiteral("dd/MM/yyyy");

// The character a key types, empty for keys that type none (arrows, Tab, shortcuts).
std::string carattere(const QKeyEvent& k) {
    if (k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    const QString t = k.text();
    if (t.isEmpty() || t.at(0).unicode() < 0x20 || t.at(0).unicode() == 0x7F) return {};
    return ss(t);
}

std::optional<Tasto> tastoSenzaCarattere(int key) {
    switch (key) {
    case Qt::Key_Home:
        return Tasto::Home;
    case Qt::Key_End:
        return Tasto::Fine;
    case Qt::Key_Left:
        return Tasto::Sinistra;
    case Qt::Key_Right:
        return Tasto::Destra;
    case Qt::Key_Backspace:
        return Tasto::Backspace;
    case Qt::Key_Delete:
        return Tasto::Canc;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Tasto::Invio;
    default:
        return std::nullopt;
    }
}

// A tab widget whose tab bar can be replaced after it is made (before any tab is added).
class SchedeLegate : public QTabWidget {
public:
    using QTabWidget::QTabWidget;
    using QTabWidget::setTabBar;
};

// The model counts characters, QString UTF-16 units (two for a character beyond U+FFFF).
int posizioneQt(const QString& t, int caratteri) {
    int i = 0;
    for (int k = 0; k < caratteri && i < t.size(); ++k)
        i += t.at(i).isHighSurrogate() && i + 1 < t.size() ? 2 : 1;
    return i;
}
int posizioneModello(const QString& t, int i) {
    return static_cast<int>(QStringView(t).left(i).toUcs4().size());
}

} // namespace

LegameFinestra::LegameFinestra(Finestra& finestra, QObject* parent)
    : QObject(parent), f_(finestra), widget_(finestra.schema().dimensione()) {}

QWidget* LegameFinestra::crea(int id, QWidget* genitore) {
    const DefinizioneControllo& d = f_.schema().definizione(id);
    QWidget* w = nullptr;
    switch (d.tipo) {
    case Tipo::Testo: {
        auto* e = new QLineEdit(genitore);
        e->setReadOnly(d.solaLettura);
        if (d.lunghezzaMassima > 0) e->setMaxLength(d.lunghezzaMassima);
        w = e;
        break;
    }
    case Tipo::Etichetta:
        w = new QLabel(genitore);
        break;
    case Tipo::Pulsante:
        w = new QPushButton(genitore);
        break;
    case Tipo::Opzione: {
        auto* r = new QRadioButton(genitore);
        r->setAutoExclusive(false); // the model clears the other options of the group
        w = r;
        break;
    }
    case Tipo::Casella:
        w = new QCheckBox(genitore);
        break;
    case Tipo::Lista: {
        auto* l = new QListWidget(genitore);
        l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        w = l;
        break;
    }
    case Tipo::Combo:
        w = new QComboBox(genitore);
        break;
    case Tipo::Data: {
        auto* de = new QDateEdit(genitore);
        de->setDisplayFormat(kFormatoData);
        de->setCalendarPopup(true);
        w = de;
        break;
    }
    case Tipo::Cornice:
        w = new QGroupBox(genitore);
        break;
    case Tipo::Linea: {
        auto* fr = new QFrame(genitore);
        fr->setFrameShape(QFrame::HLine);
        fr->setFrameShadow(QFrame::Plain);
        w = fr;
        break;
    }
    case Tipo::Scheda:
        w = new SchedeLegate(genitore);
        break;
    }
    lega(id, w);
    return w;
}

void LegameFinestra::lega(int id, QWidget* w) {
    const DefinizioneControllo& d = f_.schema().definizione(id);
    w->setObjectName(qs(d.nome)); // the control's own name, which the tests and scripts find
    if (!d.tooltip.empty()) w->setToolTip(qs(d.tooltip));
    widget_[static_cast<std::size_t>(id)] = w;
    collega(id, w);
    aggiorna(id);
}

bool LegameFinestra::legato(int id) const {
    return !widget_[static_cast<std::size_t>(id)].isNull();
}

QWidget* LegameFinestra::widget(int id) const {
    return widget_[static_cast<std::size_t>(id)].data();
}

void LegameFinestra::ordinaTab(const std::vector<int>& ids) const {
    QWidget* precedente = nullptr;
    for (int id : ids) {
        QWidget* w = widget(id);
        if (!w) continue;
        if (precedente) QWidget::setTabOrder(precedente, w);
        precedente = w;
    }
}

void LegameFinestra::ordinaTab() const {
    ordinaTab(f_.schema().tab());
}

int LegameFinestra::idDi(QObject* o) const {
    for (std::size_t i = 0; i < widget_.size(); ++i)
        if (widget_[i] == o) return static_cast<int>(i);
    return -1;
}

void LegameFinestra::evento(const std::function<void()>& azione) {
    if (aggiornando_) return;
    azione();
    aggiorna();
    if (dopo_) dopo_();
}

void LegameFinestra::collega(int id, QWidget* w) {
    const std::string nome = f_.schema().definizione(id).nome;
    w->installEventFilter(this);
    w->setAttribute(Qt::WA_Hover);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // Edits the widget still makes itself (its context menu, an input method) arrive whole.
        connect(e, &QLineEdit::textEdited, this, [this, id, nome](const QString& t) {
            evento([&] {
                f_.incolla(nome, ss(t));
                sincronizza(id);
            });
        });
        connect(e, &QLineEdit::cursorPositionChanged, this, [this, id] { sincronizza(id); });
        connect(e, &QLineEdit::selectionChanged, this, [this, id] { sincronizza(id); });
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        connect(b, &QAbstractButton::clicked, this, [this, nome] { evento([&] { f_.clicca(nome); }); });
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        connect(c, &QComboBox::activated, this, [this, nome](int i) { evento([&] { f_.seleziona(nome, i); }); });
    } else if (auto* l = qobject_cast<QListWidget*>(w)) {
        connect(l, &QListWidget::itemClicked, this,
                [this, nome, l](QListWidgetItem* it) { evento([&] { f_.seleziona(nome, l->row(it)); }); });
        connect(l, &QListWidget::itemDoubleClicked, this,
                [this, nome, l](QListWidgetItem* it) { evento([&] { f_.doppioClic(nome, l->row(it)); }); });
    } else if (auto* de = qobject_cast<QDateEdit*>(w)) {
        connect(de, &QDateEdit::dateChanged, this,
                [this, nome](const QDate& d) { evento([&] { f_.incolla(nome, ss(d.toString(kFormatoData))); }); });
    } else if (auto* cal = qobject_cast<QCalendarWidget*>(w)) {
        connect(cal, &QCalendarWidget::clicked, this, [this, id, nome](const QDate& d) {
            evento([&] {
                f_.imposta(id, ss(d.toString(kFormatoData)));
                f_.clicca(nome);
            });
        });
    } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
        // The model hears of a new tab before the page changes: the focused field of the old page, hidden
        // then, reports its leaving with the model already on the new tab, which the update keeps.
        auto* s = dynamic_cast<SchedeLegate*>(t);
        QTabBar* barra = s && s->count() == 0 ? new QTabBar(s) : t->tabBar();
        connect(barra, &QTabBar::currentChanged, this, [this, nome](int i) {
            if (!aggiornando_) f_.seleziona(nome, i);
        });
        if (barra != t->tabBar()) s->setTabBar(barra); // the tab widget's own page change comes after ours
    }
}

bool LegameFinestra::eventFilter(QObject* o, QEvent* e) {
    const int id = idDi(o);
    if (id < 0) return false;
    const std::string& nome = f_.schema().definizione(id).nome;
    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (const auto* le = qobject_cast<QLineEdit*>(o)) return tastoCampo(id, *le, *k);
        if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
        evento([&] { f_.digita(nome, "\r"); }); // Enter moves on from any control that has a filter
        return qobject_cast<QAbstractButton*>(o) == nullptr;
    }
    case QEvent::MouseButtonDblClick: {
        auto* le = qobject_cast<QLineEdit*>(o);
        const auto* m = static_cast<QMouseEvent*>(e);
        if (!le || m->button() != Qt::LeftButton) return false;
        if (le->echoMode() != QLineEdit::Normal) { // a hidden text shows no words
            evento([&] { f_.selezionaTutto(nome); });
            return true;
        }
        const int pos = posizioneModello(le->text(), le->cursorPositionAt(m->position().toPoint()));
        evento([&] { f_.doppioClic(nome, pos); });
        return true;
    }
    case QEvent::FocusIn:
        if (!aggiornando_) {
            f_.daiFuoco(id);
            fuocoMostrato_ = id;
        }
        return false;
    case QEvent::FocusOut: {
        // Leaving the window or opening a popup is not leaving the field.
        const auto r = static_cast<QFocusEvent*>(e)->reason();
        if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason) evento([&] { f_.esci(nome); });
        return false;
    }
    case QEvent::Enter:
        evento([&] { f_.sopra(nome); });
        return false;
    default:
        return false;
    }
}

bool LegameFinestra::tastoCampo(int id, const QLineEdit& e, const QKeyEvent& k) {
    const std::string& nome = f_.schema().definizione(id).nome;
    sincronizza(id); // a selection made with the mouse reaches the model before the key
    const bool nascosto = e.echoMode() != QLineEdit::Normal;
    if (k.matches(QKeySequence::SelectAll)) {
        evento([&] { f_.selezionaTutto(nome); });
    } else if (k.matches(QKeySequence::Undo)) {
        evento([&] { f_.annulla(nome); });
    } else if (k.matches(QKeySequence::Redo)) {
        evento([&] { f_.ripeti(nome); });
    } else if (k.matches(QKeySequence::Paste)) {
        const std::string t = ss(QGuiApplication::clipboard()->text());
        evento([&] { f_.incollaAlCursore(nome, t); });
    } else if (k.matches(QKeySequence::Cut)) {
        if (!nascosto) { // a password never reaches the clipboard
            std::string tagliato;
            evento([&] { tagliato = f_.taglia(nome); });
            if (!tagliato.empty()) QGuiApplication::clipboard()->setText(qs(tagliato));
        }
    } else if (const auto t = tastoSenzaCarattere(k.key());
               t && !(k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        evento([&] { f_.premi(nome, *t, k.modifiers() & Qt::ShiftModifier); });
    } else if (const std::string c = carattere(k); !c.empty()) {
        evento([&] { f_.digita(nome, c); });
    } else {
        return false; // Tab, copy, word moves: the widget's own; a caret it moves comes back through its signals
    }
    return true;
}

void LegameFinestra::sincronizza(int id) {
    auto* e = qobject_cast<QLineEdit*>(widget_[static_cast<std::size_t>(id)].data());
    if (aggiornando_ || !e || !e->hasFocus()) return;
    const QString t = e->text();
    if (t != qs(f_[id].testo)) return; // the widget is mid-edit: its text arrives next
    const int cursore = e->cursorPosition();
    int ancora = cursore;
    if (e->hasSelectedText()) ancora = e->selectionStart() == cursore ? e->selectionEnd() : e->selectionStart();
    const Controllo& c = f_[id];
    const int a = posizioneModello(t, ancora), k = posizioneModello(t, cursore);
    if (k == c.cursore && std::min(a, k) == c.inizioSelezione && std::abs(a - k) == c.lunghezzaSelezione) return;
    f_.selezionaTesto(f_.schema().definizione(id).nome, a, k);
}

void LegameFinestra::mostraCursore(int id, QLineEdit& e) {
    const Controllo& c = f_[id];
    const QString t = e.text();
    const int cursore = posizioneQt(t, c.cursore);
    if (c.lunghezzaSelezione == 0) {
        if (e.hasSelectedText() || e.cursorPosition() != cursore) e.setCursorPosition(cursore);
        return;
    }
    const int inizio = posizioneQt(t, c.inizioSelezione),
              fine = posizioneQt(t, c.inizioSelezione + c.lunghezzaSelezione);
    if (e.cursorPosition() == cursore && e.selectionStart() == inizio && e.selectionEnd() == fine) return;
    const int ancora = cursore == inizio ? fine : inizio;
    e.setSelection(ancora, cursore - ancora); // Qt leaves the caret at the far end
}

void LegameFinestra::aggiorna() {
    aggiornando_ = true;
    for (std::size_t i = 0; i < widget_.size(); ++i)
        if (widget_[i]) aggiorna(static_cast<int>(i));
    aggiornando_ = false;
    const int fuoco = f_.fuoco();
    if (fuoco != fuocoMostrato_ && fuoco >= 0 && legato(fuoco)) {
        fuocoMostrato_ = fuoco;
        QWidget* w = widget_[static_cast<std::size_t>(fuoco)];
        w->setFocus(Qt::OtherFocusReason); // the field left gets its focus-out event
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            aggiornando_ = true;
            mostraCursore(fuoco, *e);
            aggiornando_ = false;
        }
    }
}

void LegameFinestra::aggiorna(int id) {
    QWidget* w = widget_[static_cast<std::size_t>(id)];
    const Controllo& c = f_[id];
    const bool prima = aggiornando_;
    aggiornando_ = true;
    const QString testo = qs(c.testo);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != testo) e->setText(testo);
        mostraCursore(id, *e);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        if (p->toPlainText() != testo) p->setPlainText(testo);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text() != testo) {
            l->setText(testo);
            if (!l->parentWidget() || !l->parentWidget()->layout()) l->adjustSize();
        }
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (b->text() != testo && !(qobject_cast<QPushButton*>(w) && testo.isEmpty())) b->setText(testo);
        if (b->isCheckable() || qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
            b->setChecked(c.selezionato);
    } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
        QStringList voci;
        for (const auto& v : c.voci)
            voci << qs(v);
        QStringList attuali;
        for (int k = 0; k < cb->count(); ++k)
            attuali << cb->itemText(k);
        if (voci != attuali) {
            cb->clear();
            cb->addItems(voci);
        }
        cb->setCurrentIndex(c.selezione);
    } else if (auto* lw = qobject_cast<QListWidget*>(w)) {
        bool uguali = lw->count() == static_cast<int>(c.voci.size());
        for (int k = 0; uguali && k < lw->count(); ++k)
            uguali = lw->item(k)->text() == qs(c.voci[static_cast<std::size_t>(k)]);
        if (!uguali) {
            lw->clear();
            for (const auto& v : c.voci)
                lw->addItem(qs(v));
        }
        lw->setCurrentRow(c.selezione);
    } else if (auto* de = qobject_cast<QDateEdit*>(w)) {
        const QDate d = QDate::fromString(testo, kFormatoData);
        if (d.isValid() && d != de->date()) de->setDate(d);
    } else if (auto* cal = qobject_cast<QCalendarWidget*>(w)) {
        const QDate d = QDate::fromString(testo, kFormatoData);
        if (d.isValid() && d != cal->selectedDate()) cal->setSelectedDate(d);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        if (g->title() != testo) g->setTitle(testo);
    } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
        if (c.selezione >= 0 && c.selezione < t->count()) t->setCurrentIndex(c.selezione);
    }
    if (w->isHidden() == c.visibile && (c.visibile == false || w->parentWidget() != nullptr)) w->setHidden(!c.visibile);
    w->setEnabled(c.abilitato);
    // Controls whose position matters sit on a panel without layout, at their twips position.
    if (w->parentWidget() && !w->parentWidget()->layout() && (c.sinistra != 0 || c.alto != 0))
        w->move(c.sinistra != 0 ? px(c.sinistra) : w->x(), c.alto != 0 ? px(c.alto) : w->y());
    aggiornando_ = prima;
}

} // namespace vantrel::gui
