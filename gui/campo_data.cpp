#include "campo_data.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace vantrel::gui {
namespace {

const QString kFormato = QStringLiteral("dd/MM/yyyy");

// A pasted date, day first, with or without leading zeros.
QDate dataIncollata(const QString& testo) {
    for (const QString& formato :
         {kFormato, QStringLiteral("d/M/yyyy"), QStringLiteral("d.M.yyyy"), QStringLiteral("d-M-yyyy")}) {
        const QDate d = QDate::fromString(testo.trimmed(), formato);
        if (d.isValid()) return d;
    }
    return {};
}

bool separatore(const QString& t) {
    return t == QLatin1String("/") || t == QLatin1String(".") || t == QLatin1String("-");
}

} // namespace

CampoData::CampoData(QWidget* genitore) : QDateEdit(genitore) {
    setDisplayFormat(kFormato);
    setCalendarPopup(true);
}

void CampoData::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        if (const QDate d = dataIncollata(QGuiApplication::clipboard()->text()); d.isValid()) {
            setDate(d);
            e->accept();
            return;
        }
    }
    const QString t = e->text();
    if (avanzato_ && separatore(t)) { // the caret is already past the part the "/" closes
        avanzato_ = false;
        e->accept();
        return;
    }
    const bool cifra = !t.isEmpty() && t.at(0).isDigit() &&
                       !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (cifra && !inParte_) setSelectedSection(currentSection()); // the first digit replaces the part
    const int prima = currentSectionIndex();
    QDateEdit::keyPressEvent(e);
    avanzato_ = cifra && currentSectionIndex() != prima;
    inParte_ = cifra && !avanzato_;
}

void CampoData::focusInEvent(QFocusEvent* e) {
    avanzato_ = inParte_ = false;
    QDateEdit::focusInEvent(e);
}

void CampoData::mousePressEvent(QMouseEvent* e) {
    avanzato_ = inParte_ = false;
    QDateEdit::mousePressEvent(e);
}

} // namespace vantrel::gui
