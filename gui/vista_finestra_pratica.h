#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class QTableView;

namespace vantrel {
class FinestraPratica;
class TabellaCelle;
} // namespace vantrel

namespace vantrel::gui {

class LegameFinestra;
class ModelloTabellaCelle;
class VistaRicalcolo;
class PagineAddebiti;

/// The case window: its tabs laid out over the model's controls, the three tables as grids over the
/// core's tables (cells edited in place, F2 or a double click), Ctrl+Z and Ctrl+Y for the movements'
/// undo and redo, Canc to delete the selected movement, and the progress bar with "Annulla" while
/// an import or the scalare runs (meanwhile only "Annulla" takes the user's clicks and keys).
class VistaFinestraPratica : public QWidget {
    Q_OBJECT
public:
    explicit VistaFinestraPratica(std::unique_ptr<FinestraPratica> modello, QWidget* parent = nullptr);
    ~VistaFinestraPratica() override;

    FinestraPratica& modello() { return *modello_; }
    LegameFinestra& legame() { return *legame_; }
    QTableView* tabellaMovimenti() const { return movimenti_; }
    QTableView* tabellaCondizioni() const { return condizioni_; }
    QTableView* tabellaScalare() const { return scalare_; }
    QProgressBar* avanzamento() const { return barra_; }
    VistaRicalcolo* ricalcolo() const { return ricalcolo_; }
    PagineAddebiti& addebiti() const { return *addebiti_; }
    QSize sizeHint() const override { return {1180, 640}; }

    /// Brings the tables, the title and the progress up to date with the model.
    void aggiorna();

signals:
    /// The title or the state the File menu shows changed.
    void statoCambiato();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* schedaDati();
    QWidget* schedaMovimenti();
    QWidget* schedaImportazione();
    QWidget* schedaCondizioni();
    QWidget* schedaScalare();
    QWidget* barraAvanzamento();
    QTableView* tabella(int id, TabellaCelle& t, ModelloTabellaCelle*& m);
    void seleziona(int id, int riga);
    void mostraAvanzamento();

    std::unique_ptr<FinestraPratica> modello_;
    LegameFinestra* legame_;
    QTableView* movimenti_ = nullptr;
    QTableView* condizioni_ = nullptr;
    QTableView* scalare_ = nullptr;
    ModelloTabellaCelle* modelloMovimenti_ = nullptr;
    ModelloTabellaCelle* modelloCondizioni_ = nullptr;
    ModelloTabellaCelle* modelloScalare_ = nullptr;
    QProgressBar* barra_ = nullptr;
    VistaRicalcolo* ricalcolo_ = nullptr;
    PagineAddebiti* addebiti_ = nullptr; // the pages "Addebiti banca" and "Note"
    bool aggiornando_ = false;
    bool filtro_ = false; // user input held back while a work lets the screen's events in
};

} // namespace vantrel::gui
