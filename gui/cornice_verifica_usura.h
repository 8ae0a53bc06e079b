#pragma once

class QGroupBox;
class QWidget;

namespace vantrel::gui {

class LegameFinestra;

/// The "Verifica usura" frame of the loan tab: contract date, kind of operation, the costs that
/// enter the usury rate, the agreed default rate, and the check's results with their sources.
QGroupBox* corniceVerificaUsura(LegameFinestra& legame, QWidget* genitore);

} // namespace vantrel::gui
