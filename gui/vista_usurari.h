#pragma once

#include "program/stato_programma.h"
#include "rate_windows/usurari.h"

#include <QWidget>
#include <memory>

class QHBoxLayout;
class QLabel;
class QMenuBar;
class QProgressBar;
class QPushButton;

namespace vantrel::gui {

class LegameFinestra;

/// A row of the rate listing as the screen draws it (without its sort key): the period and class
/// under their headings and each figure right-aligned under its column heading; the separator row
/// spans the headings.
QString rigaAllineata(const QString& visibile);

/// The rate window on screen: the sixteen rate fields under their categories and classes on the
/// left, the listing of every stored quarter under its two heading lines on the right, and a status
/// line that shows what the download is waiting for, with its wait bar and Annulla button.
class VistaUsurari : public QWidget {
    Q_OBJECT
public:
    /// `server`, when given, takes the place of the server of the settings.
    explicit VistaUsurari(Contesto& ctx, std::optional<ServerTassi> server = std::nullopt, QWidget* parent = nullptr);
    ~VistaUsurari() override;
    Usurari& modello() { return *modello_; }
    LegameFinestra& legame() { return *legame_; }

signals:
    /// The model has closed the window.
    void chiusa();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QMenuBar* barraMenu();
    QLabel* titolo();
    QHBoxLayout* periodo();
    QHBoxLayout* comandi();
    QWidget* campiTassi();
    QWidget* elenco();
    void mostraAttesa();

    std::unique_ptr<Usurari> modello_;
    LegameFinestra* legame_;
    QProgressBar* occupato_ = nullptr;
    QPushButton* annulla_ = nullptr; // stops the download, beside the wait bar
    bool cursore_ = false;           // the wait cursor is ours to restore
};

} // namespace vantrel::gui
