#include "platform/qt/applicazione_qt.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace vantrel::qt {

void assicuraApplicazioneQt() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "vantrel";
    static char* argv[] = {nome, nullptr};
    // Kept to the end of the process: Qt's own statics go away after main, not before.
    static const QGuiApplication* app = new QGuiApplication(argc, argv);
    static_cast<void>(app);
}

} // namespace vantrel::qt
