#pragma once

#include "applicazione.h"
#include "common/finestra.h"
#include "common/servizi_simulati.h"
#include "program/stato_programma.h"
#include "scelta_stampa.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace vantrel::test {

/// A program folder holding the default rate set (and the official series, when asked), scripted
/// answers and a fixed "today".
struct AmbienteProva {
    explicit AmbienteProva(bool serieUfficiale = false) : orologio(Data{2026, 3, 15}) {
        QStringList file{QStringLiteral("NtassiU.dat"), QStringLiteral("NRectassiU.dat")};
        if (serieUfficiale) file << QStringLiteral("serie-ufficiale.csv");
        for (const QString& nome : file)
            QFile::copy(QDir(QStringLiteral(VANTREL_TASSI_DIR)).filePath(nome), dir.filePath(nome));
        ctx.stato.cartellaDati = cartella();
        ctx.stato.cartellaReport = cartella();
        ctx.servizi.messaggi = &risposte;
        ctx.servizi.file = &risposte;
        ctx.servizi.orologio = &orologio;
    }
    std::string cartella() const { return dir.path().toStdString() + "/"; }

    QTemporaryDir dir;
    RisposteProgrammate risposte;
    OrologioFisso orologio;
    Contesto ctx;
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

inline QByteArray leggiByte(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool scriviFile(const QString& file, const QByteArray& byte) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(byte) == byte.size();
}

/// What a program writes on its standard output, or the word ERRORE when it fails.
inline QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("ERRORE: ") + programma;
    return QString::fromUtf8(p.readAllStandardOutput());
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
