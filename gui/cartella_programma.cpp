#include "cartella_programma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vantrel::gui {
namespace {

bool scrivibile(const QString& cartella) {
    QTemporaryFile prova(QDir(cartella).filePath(QStringLiteral("vantrel-XXXXXX.tmp")));
    return prova.open();
}

} // namespace

QString scegliCartella(const QString& cartellaEseguibile, const QString& cartellaUtente,
                       const QString& tassiPredefiniti) {
    if (scrivibile(cartellaEseguibile)) return cartellaEseguibile;
    QDir().mkpath(cartellaUtente);
    for (const char* nome : {"NtassiU.dat", "NRectassiU.dat"}) {
        const QString destinazione = QDir(cartellaUtente).filePath(QLatin1String(nome));
        if (!QFile::exists(destinazione))
            QFile::copy(QDir(tassiPredefiniti).filePath(QLatin1String(nome)), destinazione);
    }
    return cartellaUtente;
}

QString cartellaProgramma() {
    const QString eseguibile = QCoreApplication::applicationDirPath();
    QString tassi = QDir(eseguibile).absoluteFilePath(QStringLiteral("../share/vantrel"));
    const QString installati = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("vantrel"),
                                                      QStandardPaths::LocateDirectory);
    if (!QFile::exists(QDir(tassi).filePath(QStringLiteral("NtassiU.dat"))) && !installati.isEmpty())
        tassi = installati;
    return scegliCartella(eseguibile, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), tassi);
}

} // namespace vantrel::gui
