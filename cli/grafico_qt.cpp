#include "grafico_cli.h"
#include "grafico_pratica.h"

#include <QApplication>

namespace vantrel::cli {

std::unique_ptr<DisegnoGrafico> disegnoGrafico() {
    // Qt's charts are widgets: they need a QApplication, made here on the offscreen platform unless
    // QT_QPA_PLATFORM names another (a printer made later uses it too).
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nome[] = "vantrel-cli";
        static char* argv[] = {nome, nullptr};
        static const QApplication* app = new QApplication(argc, argv); // kept to the end of the process
        static_cast<void>(app);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    return std::make_unique<gui::DisegnoGraficoQt>();
}

} // namespace vantrel::cli
