#pragma once

#include "program/stato_programma.h"
#include "rate_windows/soglie_ufficiali.h"

#include <QWidget>
#include <memory>

class QChart;
class QChartView;

namespace vantrel::gui {

class LegameFinestra;

/// The window "Tassi soglia ufficiali" on screen: the date, period, category, amount, class and
/// kind of loan on the left with the figures under them, and on the right the chart of the kind's
/// TEGM and published threshold over the years with the chosen date marked.
class VistaSoglieUfficiali : public QWidget {
    Q_OBJECT
public:
    explicit VistaSoglieUfficiali(Contesto& ctx, QWidget* parent = nullptr);
    ~VistaSoglieUfficiali() override;
    SoglieUfficiali& modello() { return *modello_; }
    LegameFinestra& legame() { return *legame_; }
    QChart* grafico() const { return grafico_; }
    /// Brings the fields and the chart up to date after the model was driven directly.
    void aggiorna();

signals:
    /// The model has closed the window.
    void chiusa();

private:
    QWidget* scelte();
    QWidget* risultati();
    void aggiornaGrafico();

    std::unique_ptr<SoglieUfficiali> modello_;
    LegameFinestra* legame_;
    QChart* grafico_ = nullptr;
    QChartView* vistaGrafico_ = nullptr;
};

} // namespace vantrel::gui
