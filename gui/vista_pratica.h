#pragma once

#include <QWidget>

class QChartView;
class QProgressBar;
class QTableView;

namespace vantrel {
class RiepilogoPratica;
}

namespace vantrel::gui {

class LegameFinestra;
class ModelloTabellaPratica;

/// The "Riepilogo pratica" tab: the results table, the totals, the progress of an import, the
/// chart and the export and print buttons. The model's checks run in steps from the event loop,
/// so that the window stays live and the progress bar moves.
class VistaPratica : public QWidget {
    Q_OBJECT
public:
    VistaPratica(RiepilogoPratica& pratica, LegameFinestra& legame, QWidget* parent = nullptr);

    QTableView* tabella() const { return tabella_; }
    QChartView* grafico() const { return grafico_; }
    QProgressBar* avanzamento() const { return avanzamento_; }

    /// Brings the table, the progress bar and the chart up to date with the model.
    void aggiorna();

private:
    void passo();

    RiepilogoPratica& pratica_;
    LegameFinestra& legame_;
    ModelloTabellaPratica* modello_;
    QTableView* tabella_;
    QChartView* grafico_;
    QProgressBar* avanzamento_;
    int graficoDi_ = -1; // the import the chart shows
};

} // namespace vantrel::gui
