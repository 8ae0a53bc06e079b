#pragma once

#include "program/stato_programma.h"
#include "shell/finestra_principale.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;

namespace vantrel::gui {

class LegameFinestra;
class VistaTaeg;

/// The main window: the multiple-document frame with menu bar, tool bar panel and logo window.
/// It hosts the main window model, creating one view per window kind on its request.
class VistaPrincipale : public QMainWindow, public OspiteFinestre {
    Q_OBJECT
public:
    VistaPrincipale(Contesto& ctx, const std::string& cartella, QPrinter* printer = nullptr);
    ~VistaPrincipale() override;

    FinestraPrincipale& modello() { return *modello_; }
    QMdiArea* area() const { return area_; }
    /// The view of an open window kind, nullptr when closed.
    QWidget* vista(TipoFinestra tipo) const;
    VistaTaeg* taeg() const;
    bool terminata() const { return terminata_; }
    /// Replaces the modal run of the login dialog (tests answer it themselves).
    void eseguiLogin(std::function<void(Accesso&)> f) { login_ = std::move(f); }

    /// Places the logo, the tool bar panel and the calculation window in the middle.
    void centra();
    /// Sizes a child window to show all it can of itself, and moves it wholly inside the visible area.
    void adatta(QMdiSubWindow* sub) const;
    /// Shrinks the child windows that the visible area can no longer hold, and moves them inside it.
    void contieniFiglie() const;

    // OspiteFinestre
    bool disponibile(TipoFinestra tipo) const override;
    void crea(TipoFinestra tipo, int scheda) override;
    void primoPiano(TipoFinestra tipo, int istanza, int scheda) override;
    void disponi(Disposizione d) override;
    void impostaStampante() override;
    void mostraLogo() override;
    void mostraPrincipale() override;
    void login(Accesso& finestra) override;
    void termina() override;
    std::vector<ListaAperta> listeAperte() override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void costruisciMenu();
    void costruisciPannello();
    QMdiSubWindow* figlia(QWidget* vista, TipoFinestra tipo);
    QMdiSubWindow* aggiungi(QWidget* vista);
    /// The open child windows at the end of the "Finestra" menu, the active one checked.
    void elencaFinestre(QMenu* menu);
    void affianca(bool orizzontale);
    void centraTaeg();

    Contesto& ctx_;
    std::unique_ptr<FinestraPrincipale> modello_;
    LegameFinestra* legame_ = nullptr;
    QMdiArea* area_ = nullptr;
    QWidget* pannello_ = nullptr;
    QWidget* logo_ = nullptr;
    QPrinter* printer_ = nullptr;
    std::map<TipoFinestra, QPointer<QWidget>> viste_;
    QList<QAction*> vociFinestre_;
    std::function<void(Accesso&)> login_;
    bool terminata_ = false;
};

} // namespace vantrel::gui
