#pragma once

#include "applicazione.h"
#include "common/finestra.h"
#include "scelta_stampa.h"
#include "support/ambiente.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QWidget>
#include <QtTest>
#include <filesystem>
#include <vector>

namespace vantrel::test {

/// A program folder holding the default rate set (and the official series, when asked), scripted
/// answers and a fixed "today".
struct AmbienteProva : Ambiente {
    explicit AmbienteProva(bool serieUfficiale = false) {
        std::vector<const char*> nomi{"NtassiU.dat", "NRectassiU.dat"};
        if (serieUfficiale) nomi.push_back("serie-ufficiale.csv");
        for (const char* nome : nomi)
            std::filesystem::copy_file(std::filesystem::path(VANTREL_TASSI_DIR) / nome, dir.file(nome));
    }
    QString file(const char* nome) const { return QString::fromStdString(dir.file(nome)); }
};

/// The view `V` on a program folder of its own: the window, whose dialogs `risposte` answers.
template <typename V>
struct VistaProva : AmbienteProva, V {
    explicit VistaProva(bool serieUfficiale = false) : AmbienteProva(serieUfficiale), V(ctx) {}
};

/// The widget or object of the named control; a missing control ends the test.
template <typename T = QWidget>
T* trova(QObject& w, const char* nome) {
    auto* x = w.findChild<T*>(QLatin1String(nome));
    if (!x) qFatal("manca il controllo %s", nome);
    return x;
}

/// Shows the window and waits until it is active; a window that never is ends the test.
inline void mostra(QWidget& w) {
    w.show();
    if (!QTest::qWaitForWindowActive(&w)) qFatal("la finestra %s non diventa attiva", qPrintable(w.windowTitle()));
}

inline QString testo(QWidget& v, const char* campo) {
    return trova<QLineEdit>(v, campo)->text();
}

inline void scrivi(QWidget& v, const char* campo, const QString& testo) {
    auto* e = trova<QLineEdit>(v, campo);
    e->setFocus();
    QTest::keyClicks(e, testo);
}

inline void clicca(QWidget& v, const char* pulsante) {
    QTest::mouseClick(trova<QAbstractButton>(v, pulsante), Qt::LeftButton);
}

/// An entry of a list box picked as with the mouse.
inline void scegli(QComboBox* c, int voce) {
    c->setCurrentIndex(voce);
    emit c->activated(voce);
}

/// The controls of the schema `s` that are not on `w` exactly once, by their names.
inline QStringList controlliNonUnici(QWidget& w, const Schema& s) {
    QStringList fuori;
    for (std::size_t i = 0; i < s.dimensione(); ++i)
        if (const QString nome = QString::fromStdString(s.definizione(static_cast<int>(i)).nome);
            w.findChildren<QObject*>(nome).size() != 1)
            fuori << nome;
    return fuori;
}

/// The labels shown away from the control they name (their buddy), by their text: a label
/// touches its control, beside or above it, and covers none of it.
inline QStringList etichetteLontane(QWidget& w) {
    QStringList lontane;
    for (const QLabel* l : w.findChildren<QLabel*>()) {
        const QWidget* b = l->buddy();
        if (!b || !l->isVisible() || !b->isVisible()) continue;
        const QRect e(l->mapTo(&w, QPoint()), l->size()), c(b->mapTo(&w, QPoint()), b->size());
        if (e.intersects(c) || !e.adjusted(-10, -10, 10, 10).intersects(c)) lontane << l->text();
    }
    return lontane;
}

/// The print dialog answered in advance: each answer a PDF path to print to, or empty to cancel.
struct SceltaProgrammata : gui::SceltaStampa {
    QStringList risposte;
    QStringList proposti; // the PDF each call proposed, one for each call
    QList<QPageLayout::Orientation> orientamenti;
    QStringList copie; // "copies collated colour" as each call proposed them
    bool scegli(QPrinter& p, const QString& pdfProposto, const std::function<void(QPrinter*)>&) override {
        proposti << QFileInfo(pdfProposto).fileName();
        orientamenti << p.pageLayout().orientation();
        copie << QStringLiteral("%1 %2 %3").arg(p.copyCount()).arg(p.collateCopies()).arg(p.colorMode());
        const QString file = risposte.isEmpty() ? QString() : risposte.takeFirst();
        if (file.isEmpty()) return false;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(file);
        return true;
    }
};

/// Italian conventions in every test binary, whatever the machine's locale.
inline void preparaProva() {
    gui::preparaApplicazione(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

} // namespace vantrel::test
