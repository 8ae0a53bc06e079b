#pragma once

#include "calculation/taeg.h"
#include "program/stato_programma.h"
#include "teg/teg_controlli.h"
#include "vista_generica.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QGridLayout;
class QHBoxLayout;

namespace vantrel::gui {

class LegameFinestra;
class VistaPratica;

/// The calculation window on screen. The "calcolo T.E.G." tab is laid out by hand around the
/// formula strip, whose pieces sit at their twips positions; the "Mutuo" tab groups the loan's
/// figures, its payment frequency, its results and the plan; the report tab shows its controls in
/// the order of the window's schema. Each tab scrolls when the screen cannot hold it.
/// The text window of the summary is shown by this view, which closes it before its model goes.
class VistaTaeg : public QWidget {
    Q_OBJECT
public:
    explicit VistaTaeg(Contesto& ctx, QWidget* parent = nullptr);
    ~VistaTaeg() override;

    Taeg& modello() { return *taeg_; }
    LegameFinestra& legame() { return *legame_; }
    VistaPratica& pratica() { return *pratica_; }
    void mostraScheda(int scheda);
    /// The view of the summary's text window, null when it is not open.
    VistaGenerica* riepilogo() const { return riepilogo_; }

signals:
    /// A new window of this one (the summary) is to be shown; the host may adopt it as a child.
    void finestraAperta(QWidget* vista);
    /// The model closed the window (its "Chiudi" button).
    void chiusa();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void apriRiepilogo(FinestraTesto& finestra);
    void mostraRiepilogo();
    QWidget* schedaCalcolo();
    QWidget* periodoCalcolo(QWidget* pagina);
    QWidget* elementiCalcolo(QWidget* pagina);
    QWidget* opzioniCalcolo(QWidget* pagina);
    QWidget* striscia();
    QWidget* esegui(QWidget* genitore);
    QWidget* confronto();
    QWidget* scomposizione();
    QWidget* verificaCms();
    void schedaMutuo(QWidget* pagina);
    QHBoxLayout* datiMutuo(QWidget* pagina);
    void schedaGenerica(QWidget* pagina, const std::vector<int>& ids);
    void adattaPiano();
    QWidget* crea(int id, QWidget* genitore);
    void campo(QGridLayout* g, int riga, int colonna, const char* etichetta, int id, QWidget* genitore);

    std::unique_ptr<Taeg> taeg_;
    LegameFinestra* legame_;
    const ControlliTeg& c_;
    QPointer<VistaGenerica> riepilogo_;
    bool inChiusura_ = false;
    VistaPratica* pratica_ = nullptr;
    int righePiano_ = -1; // the plan's lines the list's width was measured on
};

} // namespace vantrel::gui
