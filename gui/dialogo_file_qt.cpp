#include "dialogo_file_qt.h"

#include "qt_testo.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace vantrel::gui {
namespace {

const QString kFiltro = QStringLiteral("Report (*.RKT *.rkt);;Tutti i file (*)");

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
                                              iniziale(nomeProposto, cartella), kFiltro));
}

std::optional<std::string> DialogoFileQt::salva(const std::string& nomeProposto, const std::string& cartella) {
    return esito(QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Salva con nome"),
                                              iniziale(nomeProposto, cartella), kFiltro));
}

} // namespace vantrel::gui
