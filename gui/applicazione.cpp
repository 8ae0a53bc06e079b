#include "applicazione.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The library is static: its resources are registered by hand, outside any namespace.
static void registraIcona() {
    Q_INIT_RESOURCE(icona);
}

namespace vantrel::gui {

void preparaApplicazione(QApplication& app) {
    registraIcona();
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    // The installed menu entry and icon (share/applications, share/icons/hicolor).
    QApplication::setDesktopFileName(QStringLiteral("vantrel"));
    // Every window carries it, child windows and dialogs included; in a build run in place, the
    // program's own copy stands in for the installed one.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("vantrel"), QIcon(QStringLiteral(":/vantrel/vantrel.png"))));
    auto* traduzioni = new QTranslator(&app);
    if (traduzioni->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduzioni);
}

} // namespace vantrel::gui
