#include "avvio_calcolatrice.h"

#include <QProcess>
#include <QStandardPaths>

namespace vantrel::gui {

QStringList AvvioCalcolatrice::candidati() {
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),        QStringLiteral("xcalc"), QStringLiteral("qalculate-gtk")};
#endif
}

bool AvvioCalcolatrice::avviaCalcolatrice() {
    for (const QString& nome : candidati()) {
        const QString percorso = QStandardPaths::findExecutable(nome);
        if (!percorso.isEmpty() && QProcess::startDetached(percorso, {})) return true;
    }
    return false;
}

} // namespace vantrel::gui
