#include "dialogo_file_qt.h"

#include "qt_testo.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace vantrel::gui {
namespace {

// The files of the proposed name's kind first (the official rate series is a .zip or a .csv): reports
// unless the name says otherwise; a name that is only a pattern ("*.vantrel") proposes no file.
QString filtro(const std::string& nome) {
    const QString n = qs(nome).toLower();
    const QString tutti = QStringLiteral(";;Tutti i file (*)");
    const QString serie = QStringLiteral("Serie ufficiale (*.zip *.csv *.ZIP *.CSV)");
    if (n.startsWith(QLatin1Char('*'))) // only a kind of file: "*.vantrel", "*.csv *.xlsx"
        return (n.endsWith(QLatin1String(".vantrel")) ? QStringLiteral("Pratica (") : QStringLiteral("CSV o Excel (")) +
               qs(nome) + QLatin1Char(')') + tutti;
    if (n.endsWith(QLatin1String(".vantrel"))) return QStringLiteral("Pratica (*.vantrel)") + tutti;
    if (n.endsWith(QLatin1String(".zip"))) return serie + tutti;
    if (n.endsWith(QLatin1String(".csv"))) return QStringLiteral("CSV (*.csv *.CSV);;") + serie + tutti;
    if (n.endsWith(QLatin1String(".xlsx"))) return QStringLiteral("Cartella di Excel (*.xlsx)") + tutti;
    if (n.endsWith(QLatin1String(".pdf"))) return QStringLiteral("PDF (*.pdf)") + tutti;
    if (n.endsWith(QLatin1String(".png"))) return QStringLiteral("Immagine PNG (*.png)") + tutti;
    return QStringLiteral("Report (*.RKT *.rkt)") + tutti;
}

QString iniziale(const std::string& nome, const std::string& cartella) {
    if (nome.starts_with('*')) return qs(cartella);
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
