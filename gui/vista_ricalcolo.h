#pragma once

#include <QWidget>

class QChartView;
class QLayout;
class QTableView;

namespace vantrel {
class SchedaRicalcolo;
} // namespace vantrel

namespace vantrel::gui {

class LegameFinestra;
class ModelloTabellaCelle;

/// The "Ricalcolo" tab of the case window: the choices down the left, the result on the right (the
/// final balances and the amount to give back, the periods side by side, the chart of both
/// balances) and the report and workbook below. Its widgets are made once the panel exists, when
/// the tab is first shown.
class VistaRicalcolo : public QWidget {
    Q_OBJECT
public:
    explicit VistaRicalcolo(SchedaRicalcolo& scheda, QWidget* parent = nullptr);
    ~VistaRicalcolo() override;

    /// Brings the widgets up to date with the panel, making them when the panel has just been made.
    void aggiorna();
    /// The binding to the panel; none before the tab was first shown.
    LegameFinestra* legame() const { return legame_; }
    QTableView* tabella() const { return tabella_; }
    QChartView* grafico() const { return grafico_; }

signals:
    /// The user changed something in the tab: the case was written.
    void cambiata();

private:
    void costruisci();
    QWidget* campo(int id, QWidget* genitore);
    QWidget* scelte();
    QWidget* risultato();
    QLayout* cifre(QWidget* pagina);
    QWidget* periodi();

    SchedaRicalcolo& scheda_;
    LegameFinestra* legame_ = nullptr;
    QTableView* tabella_ = nullptr;
    ModelloTabellaCelle* modello_ = nullptr;
    QChartView* grafico_ = nullptr;
    int graficoDi_ = -1; // the table's version the chart shows
};

} // namespace vantrel::gui
