#include "dialogo_file_qt.h"

#include "qt_testo.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace vantrel::gui {
namespace {

// The files of a kind the proposed name has: reports, or the official rate series.
QString filtro(const std::string& nome) {
    const QString n = qs(nome).toLower();
    if (n.endsWith(QLatin1String(".zip")) || n.endsWith(QLatin1String(".csv")))
        return QStringLiteral("Serie ufficiale (*.zip *.csv *.ZIP *.CSV);;Tutti i file (*)");
    return QStringLiteral("Report (*.RKT *.rkt);;Tutti i file (*)");
}

QString iniziale(const std::string& nome, const std::string& cartella) {
    return QDir(qs(cartella)).filePath(qs(nome));
}

std::optional<std::string> esito(const QString& scelto) {
    if (scelto.isEmpty()) return std::nullopt;
    return ss(scelto);
}

} // namespace

std::optional<std::string> DialogoFileQt::apri(const std::string& nomeProposto, const std::string& cartella) {
    return esito(QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Apri"),
                                              iniziale(nomeProposto, cartella), filtro(nomeProposto)));
}

std::optional<std::string> DialogoFileQt::salva(const std::string& nomeProposto, const std::string& cartella) {
    return esito(QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Salva con nome"),
                                              iniziale(nomeProposto, cartella), filtro(nomeProposto)));
}

} // namespace vantrel::gui
