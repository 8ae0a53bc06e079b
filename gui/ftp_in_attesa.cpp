#include "ftp_in_attesa.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QWidget>
#include <atomic>
#include <thread>

namespace vantrel::gui {
namespace {

// Drops the user's input everywhere but on the widgets that stay active during the wait.
class SoloAttivi : public QObject {
public:
    bool eventFilter(QObject* oggetto, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
        }
        // A window passes its input on to the widget under it, which comes back here.
        if (!oggetto->isWidgetType()) return false;
        for (auto* w = static_cast<QWidget*>(oggetto); w != nullptr; w = w->parentWidget())
            if (w->property(kAttivoInAttesa).toBool()) return false;
        return true;
    }
};

} // namespace

EsitoTrasferimento FtpInAttesa::scarica(const Trasferimento& t) {
    if (QCoreApplication::instance() == nullptr) return reale_.scarica(t);
    EsitoTrasferimento esito;
    std::atomic<bool> finito{false};
    QEventLoop ciclo;
    SoloAttivi filtro;
    QCoreApplication::instance()->installEventFilter(&filtro);
    std::thread lavoro([&] {
        esito = reale_.scarica(t);
        finito = true;
        // Queued: the loop ends on its own thread, even when the transfer ends before it starts.
        QMetaObject::invokeMethod(&ciclo, &QEventLoop::quit, Qt::QueuedConnection);
    });
    ciclo.exec();
    QCoreApplication::instance()->removeEventFilter(&filtro);
    if (!finito) reale_.annulla(); // the program is quitting: no long wait then
    lavoro.join();
    return esito;
}

} // namespace vantrel::gui
