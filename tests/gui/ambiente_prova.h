#pragma once

#include "applicazione.h"
#include "common/servizi_simulati.h"
#include "program/stato_programma.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

namespace vantrel::test {

/// A program folder holding the default rate set, scripted answers and a fixed "today".
struct AmbienteProva {
    AmbienteProva() : orologio(Data{2026, 3, 15}) {
        for (const char* nome : {"NtassiU.dat", "NRectassiU.dat"})
            QFile::copy(QDir(QStringLiteral(VANTREL_TASSI_DIR)).filePath(QLatin1String(nome)),
                        dir.filePath(QLatin1String(nome)));
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

/// The widget or object of the named control; a missing control ends the test.
template <typename T = QWidget>
T* trova(QObject& w, const char* nome) {
    auto* x = w.findChild<T*>(QLatin1String(nome));
    if (!x) qFatal("manca il controllo %s", nome);
    return x;
}

/// Italian conventions in every test binary, whatever the machine's locale.
inline void preparaProva() {
    gui::preparaApplicazione(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

} // namespace vantrel::test
