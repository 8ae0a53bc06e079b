#pragma once

#include "account/grafico_pratica.h"
#include "common/servizi.h"

class QChart;

namespace vantrel::gui {

/// The names of the chart's series, in the order the chart holds them (those of LegendaGrafico).
inline constexpr const char* kSerieTeg = "TEG";
inline constexpr const char* kSerieSoglia = "Tasso soglia";
inline constexpr const char* kSerieSupero = "Oltre la soglia";

/// The chart of an account: the TEG and the threshold of each quarter as lines over the quarters'
/// start dates, and the quarters over the threshold marked with red triangles on the TEG line; or
/// the two lines its legend names (the balances of a recalculation).
QChart* creaGraficoPratica(const DatiGrafico& d);

/// Draws the chart off screen (a QApplication must exist).
class DisegnoGraficoQt : public DisegnoGrafico {
public:
    std::string png(const DatiGrafico& d, int larghezza, int altezza) override;
};

} // namespace vantrel::gui
