#include "ftp_in_attesa.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <thread>

namespace vantrel::gui {

bool FtpInAttesa::connetti() {
    return attendi([this] { return reale_.connetti(); });
}

bool FtpInAttesa::scarica(const std::string& remoto, const std::string& locale) {
    return attendi([&] { return reale_.scarica(remoto, locale); });
}

bool FtpInAttesa::attendi(const std::function<bool()>& chiamata) {
    if (QCoreApplication::instance() == nullptr) return chiamata();
    bool esito = false;
    QEventLoop ciclo;
    std::thread lavoro([&] {
        esito = chiamata();
        // Queued: the loop ends on its own thread, even when the call ends before it starts.
        QMetaObject::invokeMethod(&ciclo, &QEventLoop::quit, Qt::QueuedConnection);
    });
    ciclo.exec(QEventLoop::ExcludeUserInputEvents);
    lavoro.join(); // the loop may also end because the program is quitting
    return esito;
}

} // namespace vantrel::gui
